#!/bin/bash
# The same job side by side, as whole processes, with lumox-cli and with R's Rscript:
# read a data file of 6553 observations of 10 variables, fit Y on the other nine, and
# write the equation, analysis of variance, residual and interval reports to a file.
# R is a tool of this comparison only; install it yourself (Debian: r-base-core).
#
#   bench/r_compare.sh [path/to/lumox-cli] [runs]
set -eu

cli=${1:-build/src/cli/lumox-cli}
runs=${2:-5}
command -v Rscript > /dev/null || { echo "Rscript is not installed" >&2; exit 2; }
[ -x "$cli" ] || { echo "no lumox-cli at $cli (build it first)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The data: like a person's file, six significant digits and CR LF line ends.
Rscript --vanilla -e '
set.seed(6553)
n <- 6553
x <- matrix(runif(n * 9, 0, 100), n, 9)
y <- 12 + x %*% (1:9 * 0.5) + runif(n, -50, 50)
lines <- apply(cbind(y, x), 1, function(r) paste(sprintf("%.6g", r), collapse = " "))
con <- file(commandArgs(TRUE)[1], "wb")
writeLines(c("Y A B C D E F G H I", lines), con, sep = "\r\n")
close(con)' "$work/job.dat"

# The job in R, its reports in the same fixed-width forms.
cat > "$work/job.R" << 'EOF'
args <- commandArgs(TRUE)
d <- read.table(args[1], header = TRUE)
fit <- lm(Y ~ A + B + C + D + E + F + G + H + I, data = d)
s <- summary(fit)
n <- nrow(d)
p <- length(coef(fit))
b <- coef(fit)
h <- hatvalues(fit)
mse <- s$sigma^2
predicted <- fitted(fit)
ci <- predict(fit, interval = "confidence", level = 0.95)
pi <- suppressWarnings(predict(fit, interval = "prediction", level = 0.95))
sst <- sum((d$Y - mean(d$Y))^2)
sse <- sum(residuals(fit)^2)
ssr <- sst - sse
f <- s$fstatistic
coefs <- s$coefficients
out <- c("", "", "REGRESSION EQUATION", "", "The regression equation is:", "",
  paste0("Y = ", sprintf("%.9g", b[1]),
         paste0(ifelse(b[-1] < 0, " - ", " + "), sprintf("%.9g", abs(b[-1])), names(b)[-1],
                collapse = "")),
  "", sprintf("R Square     = %14.8g   Correlation Coef R = %14.8g", s$r.squared,
              sqrt(s$r.squared)),
  sprintf("Adj R Square = %14.8g   Standard Error     = %14.8g", s$adj.r.squared, s$sigma),
  "", "", "EQUATION COEFFICIENT ESTIMATES",
  sprintf("%-18s%15.9g%17.8g%12.5g%12.4g", c("INTERCEPT", names(b)[-1]), coefs[, 1],
          coefs[, 2], coefs[, 3], coefs[, 4]),
  "", "", "ANALYSIS OF VARIANCE", "", "Dependent Variable: Y",
  sprintf("%-10s%7d%16.8g%16.8g%13.5g%13.4g", "Regression", p - 1L, ssr, ssr / (p - 1), f[1],
          pf(f[1], f[2], f[3], lower.tail = FALSE)),
  sprintf("%-10s%7d%16.8g%16.8g", "Residual", n - p, sse, mse),
  sprintf("%-10s%7d%16.8g", "Total", n - 1L, sst),
  "", "", "RESIDUAL LISTING",
  sprintf("%-5d%14.8g%16.8g%16.8g%16.8g%9.3g", seq_len(n), d$Y, predicted, sqrt(h * mse),
          residuals(fit), rstandard(fit)),
  "", "", "CONFIDENCE / PREDICTION INTERVALS AT THE 95% LEVEL", "",
  as.vector(rbind(
    sprintf("%-5d%14.8g%16.8g    CI = [%12.6g, %12.6g]", seq_len(n), d$Y, predicted, ci[, 2],
            ci[, 3]),
    sprintf("%45s%12.6g, %12.6g]", "PI = [", pi[, 2], pi[, 3]))))
con <- file(args[2], "wb")
writeLines(out, con, sep = "\r\n")
close(con)
EOF

# Times a command with the shell's own clock, so that no other process starts inside the
# measured span: prints its wall and processor (user + system) times in milliseconds. The
# command's output goes to the file named first; its messages go to the log.
TIMEFORMAT='%3R %3U %3S'
measure() {
    local out=$1 times
    shift
    times=$( { time "$@" > "$out" 2>> "$work/log"; } 2>&1 )
    set -- $times
    awk -v r="$1" -v u="$2" -v s="$3" 'BEGIN { printf "%d %d\n", r * 1000, (u + s) * 1000 }'
}

# The least of each time over the runs; the programs take turns.
best() { [ "$1" -eq 0 ] || [ "$2" -lt "$1" ] && echo "$2" || echo "$1"; }
fit="Y = 1 + A + B + C + D + E + F + G + H + I"
r_wall=0 r_cpu=0 c_wall=0 c_cpu=0 d_wall=0 d_cpu=0
i=0
while [ "$i" -lt "$runs" ]; do
    set -- $(measure /dev/null Rscript --vanilla "$work/job.R" "$work/job.dat" "$work/r.txt")
    r_wall=$(best "$r_wall" "$1") r_cpu=$(best "$r_cpu" "$2")
    # Like R's writeLines, the reports go to a file through the system's cache.
    set -- $(measure "$work/lumox.txt" "$cli" "$work/job.dat" \
        --reports equation,anova,residuals,intervals --fit "$fit")
    c_wall=$(best "$c_wall" "$1") c_cpu=$(best "$c_cpu" "$2")
    # --output writes more safely than R does: a temporary file, flushed to the disk, then
    # renamed over the target. Shown apart, as it waits for the disk.
    set -- $(measure /dev/null "$cli" "$work/job.dat" \
        --reports equation,anova,residuals,intervals --fit "$fit" --output "$work/lumox-output.txt")
    d_wall=$(best "$d_wall" "$1") d_cpu=$(best "$d_cpu" "$2")
    i=$((i + 1))
done
if [ -s "$work/log" ]; then
    echo "messages of the runs:" >&2
    cat "$work/log" >&2
fi
cmp -s "$work/lumox.txt" "$work/lumox-output.txt" ||
    { echo "lumox-cli wrote different reports to standard output and to --output" >&2; exit 1; }

echo "Rscript:   ${r_wall} ms wall, ${r_cpu} ms processor ($(wc -c < "$work/r.txt") bytes of reports)"
echo "lumox-cli: ${c_wall} ms wall, ${c_cpu} ms processor ($(wc -c < "$work/lumox.txt") bytes of reports)"
awk -v rw="$r_wall" -v cw="$c_wall" -v rc="$r_cpu" -v cc="$c_cpu" -v runs="$runs" 'BEGIN {
    printf "lumox-cli is %.1f times as fast in wall time, %.1f times in processor time", \
        rw / (cw > 0 ? cw : 1), rc / (cc > 0 ? cc : 1)
    printf " (best of %d runs each)\n", runs
}'
echo "lumox-cli --output (flushed to the disk): ${d_wall} ms wall, ${d_cpu} ms processor"
