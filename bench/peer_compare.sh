#!/bin/bash
# One job side by side, as whole processes: lumox-cli and the statistics programs people
# would otherwise run it with. Each reads a data file of 6553 observations of 10 variables,
# fits Y on the other nine, and writes the equation, analysis of variance, residual and
# interval reports to a file, in the same fixed-width forms where its language allows.
#
#   bench/peer_compare.sh [--before OLD_LUMOX_CLI] [path/to/lumox-cli] [runs]
#
# The peers are tools of this comparison only, never dependencies; install them yourself
# (Debian: gretl, r-base-core, python3-statsmodels). A missing one is skipped with a note.
# --before times a second lumox-cli (say, a build of an earlier commit) in the same turns
# and checks that it writes the same bytes.
#
# Each run is timed as one process, its spawn, run and wait (bench_turns, built with the
# benchmarks; without it the shell's own clock), the programs taking turns so that a busy
# spell of the machine falls on all of them. Printed: the best and median
# wall times, and the best and median processor times (user + system), in milliseconds.
set -eu

before=
if [ "${1:-}" = --before ]; then
    before=$2
    shift 2
fi
cli=${1:-build/src/cli/lumox-cli}
runs=${2:-15}
[ -x "$cli" ] || { echo "no lumox-cli at $cli (build it first)" >&2; exit 2; }
[ -z "$before" ] || [ -x "$before" ] || { echo "no lumox-cli at $before" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The data: like a person's file, six significant digits and CR LF line ends. awk's own
# generator, so that the file does not depend on any peer.
awk 'BEGIN {
    srand(6553)
    printf "Y A B C D E F G H I\r\n"
    for (i = 0; i < 6553; ++i) {
        y = 12 + (rand() - 0.5) * 100
        line = ""
        for (j = 1; j <= 9; ++j) {
            x = rand() * 100
            y += x * j * 0.5
            line = line sprintf(" %.6g", x)
        }
        printf "%.6g%s\r\n", y, line
    }
}' > "$work/job.txt"

fit="Y = 1 + A + B + C + D + E + F + G + H + I"

# The job in R.
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

# The job in gretl's script language. A loop over the observations is slow in it, so the
# per-observation reports are printed the fast way, a whole matrix in one format: the
# same numbers in fields of one width, one line per observation.
cat > "$work/job.inp" << EOF
open "$work/job.txt" --quiet
list xs = A B C D E F G H I
ols Y const xs --quiet
scalar n = \$nobs
scalar k = \$ncoeff
matrix b = \$coeff
matrix se = \$stderr
matrix tr = b ./ se
matrix X = {const, xs}
scalar mse = \$sigma^2
matrix h = sumr((X * (\$vcv / mse)) .* X)
matrix yv = {Y}
matrix fv = \$yhat
matrix uv = \$uhat
matrix sdp = sqrt(h * mse)
matrix sr = uv ./ sqrt(mse * (1 - h))
scalar t = critical(t, n - k, 0.025)
matrix cih = t * sdp
matrix pih = t * sqrt(mse * (1 + h))
scalar sse = \$ess
scalar sst = sum((yv - mean(yv)).^2)
scalar ssr = sst - sse
scalar f = (ssr / (k - 1)) / mse
scalar adjr = 1 - mse / (sst / (n - 1))
matrix num = seq(1, n)'
strings names = varnames(xs)
outfile "$work/gretl.txt" --quiet
  printf "\r\n\r\nREGRESSION EQUATION\r\n\r\nThe regression equation is:\r\n\r\nY = %.9g", b[1]
  loop j = 2..k --quiet
    printf "%s%.9g%s", b[j] < 0 ? " - " : " + ", abs(b[j]), names[j-1]
  endloop
  printf "\r\n\r\nR Square     = %14.8g   Correlation Coef R = %14.8g\r\n", \$rsq, sqrt(\$rsq)
  printf "Adj R Square = %14.8g   Standard Error     = %14.8g\r\n", adjr, \$sigma
  printf "\r\n\r\nEQUATION COEFFICIENT ESTIMATES\r\n"
  loop j = 1..k --quiet
    printf "%-18s%15.9g%17.8g%12.5g%12.4g\r\n", j == 1 ? "INTERCEPT" : names[j-1], b[j], se[j], tr[j], pvalue(t, n - k, abs(tr[j])) * 2
  endloop
  printf "\r\n\r\nANALYSIS OF VARIANCE\r\n\r\nDependent Variable: Y\r\n"
  printf "%-10s%7d%16.8g%16.8g%13.5g%13.4g\r\n", "Regression", k - 1, ssr, ssr / (k - 1), f, pvalue(F, k - 1, n - k, f)
  printf "%-10s%7d%16.8g%16.8g\r\n", "Residual", n - k, sse, mse
  printf "%-10s%7d%16.8g\r\n", "Total", n - 1, sst
  printf "\r\n\r\nRESIDUAL LISTING\r\n"
  printf "%16.8g", num ~ yv ~ fv ~ sdp ~ uv ~ sr
  printf "\r\n\r\nCONFIDENCE / PREDICTION INTERVALS AT THE 95%% LEVEL\r\n\r\n"
  printf "%14.8g", num ~ yv ~ fv ~ (fv - cih) ~ (fv + cih) ~ (fv - pih) ~ (fv + pih)
end outfile
EOF

# The job in Python with statsmodels.
cat > "$work/job.py" << 'EOF'
import sys
import numpy as np
import pandas as pd
import statsmodels.api as sm

d = pd.read_csv(sys.argv[1], sep=r"\s+")
names = list(d.columns[1:])
y = d["Y"].to_numpy()
X = sm.add_constant(d[names])
fit = sm.OLS(y, X).fit()
n, k = X.shape
b, se, t, pv = fit.params.to_numpy(), fit.bse.to_numpy(), fit.tvalues.to_numpy(), fit.pvalues.to_numpy()
infl = fit.get_influence()
h = infl.hat_matrix_diag
mse = fit.mse_resid
intervals = fit.get_prediction().summary_frame(alpha=0.05)
out = ["", "", "REGRESSION EQUATION", "", "The regression equation is:", "",
       "Y = %.9g" % b[0] + "".join("%s%.9g%s" % (" - " if c < 0 else " + ", abs(c), v)
                                   for c, v in zip(b[1:], names)),
       "", "R Square     = %14.8g   Correlation Coef R = %14.8g"
       % (fit.rsquared, np.sqrt(fit.rsquared)),
       "Adj R Square = %14.8g   Standard Error     = %14.8g" % (fit.rsquared_adj, np.sqrt(mse)),
       "", "", "EQUATION COEFFICIENT ESTIMATES"]
out += ["%-18s%15.9g%17.8g%12.5g%12.4g" % r for r in zip(["INTERCEPT"] + names, b, se, t, pv)]
out += ["", "", "ANALYSIS OF VARIANCE", "", "Dependent Variable: Y",
        "%-10s%7d%16.8g%16.8g%13.5g%13.4g"
        % ("Regression", k - 1, fit.ess, fit.ess / (k - 1), fit.fvalue, fit.f_pvalue),
        "%-10s%7d%16.8g%16.8g" % ("Residual", n - k, fit.ssr, mse),
        "%-10s%7d%16.8g" % ("Total", n - 1, fit.centered_tss),
        "", "", "RESIDUAL LISTING"]
out += ["%-5d%14.8g%16.8g%16.8g%16.8g%9.3g" % r
        for r in zip(range(1, n + 1), y, fit.fittedvalues, np.sqrt(h * mse), fit.resid,
                     infl.resid_studentized_internal)]
out += ["", "", "CONFIDENCE / PREDICTION INTERVALS AT THE 95% LEVEL", ""]
for r in zip(range(1, n + 1), y, fit.fittedvalues, intervals["mean_ci_lower"],
             intervals["mean_ci_upper"], intervals["obs_ci_lower"], intervals["obs_ci_upper"]):
    out.append("%-5d%14.8g%16.8g    CI = [%12.6g, %12.6g]" % r[:5])
    out.append("%45s%12.6g, %12.6g]" % (("PI = [",) + r[5:]))
with open(sys.argv[2], "w", newline="\r\n") as f:
    f.write("\n".join(out) + "\n")
EOF

# The programs of the comparison: a name, a version, the report file and the command.
names=() versions=() outputs=() commands=()
add() {
    names+=("$1") versions+=("$2") outputs+=("$3")
    shift 3
    commands+=("$(printf '%q ' "$@")")
}
# lumox-cli writes its reports to standard output, sent to a file through the system's
# cache as the peers' are (its --output also waits for the disk).
add lumox-cli "$("$cli" --version)" "$work/lumox.txt" "$cli" "$work/job.txt" \
    --reports equation,anova,residuals,intervals --fit "$fit"
if [ -n "$before" ]; then
    add "lumox-cli (before)" "$("$before" --version)" "$work/before.txt" "$before" \
        "$work/job.txt" --reports equation,anova,residuals,intervals --fit "$fit"
fi
if command -v gretlcli > /dev/null; then
    add gretlcli "$(gretlcli --version 2>&1 | head -n 1)" "$work/gretl.txt" \
        gretlcli -b -q "$work/job.inp"
else
    echo "note: gretlcli is not installed (Debian: gretl); skipped" >&2
fi
if command -v Rscript > /dev/null; then
    add Rscript "$(Rscript --version 2>&1 | head -n 1)" "$work/r.txt" \
        Rscript --vanilla "$work/job.R" "$work/job.txt" "$work/r.txt"
else
    echo "note: Rscript is not installed (Debian: r-base-core); skipped" >&2
fi
python=$(command -v python3 || true)
[ -x /usr/bin/python3 ] && python=/usr/bin/python3
if [ -n "$python" ] && "$python" -c 'import statsmodels, pandas' 2> /dev/null; then
    add "Python statsmodels" \
        "$("$python" -c 'import sys, statsmodels; print("Python", sys.version.split()[0], "statsmodels", statsmodels.__version__)')" \
        "$work/python.txt" "$python" "$work/job.py" "$work/job.txt" "$work/python.txt"
else
    echo "note: Python with statsmodels is not installed (Debian: python3-statsmodels); skipped" >&2
fi

# The programs take turns, each run timed as the spawn, run and wait of one process by
# bench_turns (built beside lumox-cli), with no shell inside the measured span. Only
# lumox-cli's output is its report; the peers' messages are kept in the log.
turns=${LUMOX_TURNS:-$(dirname "$cli")/../../bench/bench_turns}
if [ -x "$turns" ]; then
    args=()
    for k in "${!names[@]}"; do
        out=/dev/null
        [[ ${names[k]} == lumox-cli* ]] && out=${outputs[k]}
        eval "set -- ${commands[k]}"
        args+=(-- "$out" "$@")
    done
    "$turns" "$runs" "$work/log" "${args[@]}" > "$work/turns"
    while read -r k wall cpu; do echo "$wall $cpu" >> "$work/times.$k"; done < "$work/turns"
else
    # Without it, the shell's own clock, whose span also holds the shell's fork.
    echo "note: no bench_turns at $turns; timed with the shell's clock" >&2
    TIMEFORMAT='%3R %3U %3S'
    measure() {
        local k=$1 out times
        out=/dev/null
        [[ ${names[k]} == lumox-cli* ]] && out=${outputs[k]}
        times=$( { time eval "${commands[k]}" > "$out" 2>> "$work/log"; } 2>&1 )
        set -- $times
        awk -v r="$1" -v u="$2" -v s="$3" 'BEGIN { printf "%.1f %.1f\n", r * 1000, (u + s) * 1000 }' \
            >> "$work/times.$k"
    }
    i=0
    while [ "$i" -lt "$runs" ]; do
        for k in "${!names[@]}"; do measure "$k"; done
        i=$((i + 1))
    done
fi
if [ -s "$work/log" ] && grep -qiv "^gretl\|^copyright\|^this is free\|^current session" "$work/log"; then
    echo "messages of the runs:" >&2
    cat "$work/log" >&2
fi
if [ -n "$before" ] && ! cmp -s "$work/lumox.txt" "$work/before.txt"; then
    echo "the two lumox-cli programs wrote different reports" >&2
    exit 1
fi

# Best and median of one column of a program's times.
best() { cut -d' ' -f"$2" "$work/times.$1" | sort -n | head -n 1; }
median() { cut -d' ' -f"$2" "$work/times.$1" | sort -n | awk '{ v[NR] = $1 }
    END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

base=$(median 0 1)
printf '%-20s %9s %9s %9s %9s %8s %10s\n' program "best ms" "median" "cpu best" "median" \
    "x lumox" "bytes"
for k in "${!names[@]}"; do
    printf '%-20s %9.1f %9.1f %9.1f %9.1f %8.1f %10d\n' "${names[k]}" "$(best "$k" 1)" \
        "$(median "$k" 1)" "$(best "$k" 2)" "$(median "$k" 2)" \
        "$(awk -v m="$(median "$k" 1)" -v b="$base" 'BEGIN { print m / (b > 0 ? b : 1) }')" \
        "$(wc -c < "${outputs[k]}")"
done
echo "wall and processor (user + system) times of $runs runs each, the programs taking turns;"
echo "x lumox: median wall time against lumox-cli's. Versions:"
for k in "${!names[@]}"; do echo "  ${names[k]}: ${versions[k]}"; done
