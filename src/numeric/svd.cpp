#include "numeric/svd.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumox {

namespace {

constexpr int kMaxIterations = 30;

// Applies the plane rotation (c, s) to rows j and i of m.
void RotateRows(Matrix& m, uint32_t j, uint32_t i, double c, double s) {
    double* const first = m.Data() + size_t{j} * m.Cols();
    double* const second = m.Data() + size_t{i} * m.Cols();
    for (uint32_t r = 0; r < m.Cols(); ++r) {
        const double x = first[r];
        const double z = second[r];
        first[r] = x * c + z * s;
        second[r] = z * c - x * s;
    }
}

// Applies the plane rotation (c, s) to columns j and i of m.
void RotateColumns(Matrix& m, uint32_t j, uint32_t i, double c, double s) {
    for (uint32_t r = 0; r < m.Rows(); ++r) {
        const double x = m.At(r, j);
        const double z = m.At(r, i);
        m.At(r, j) = x * c + z * s;
        m.At(r, i) = z * c - x * s;
    }
}

// dots[j - first] = the sum over k from `from` to the end of column i's element k times
// column j's, for every column j from first on; each sum is taken in the order of k, as one
// loop per column would take it, but four columns go together so that their independent
// sums overlap instead of waiting on one another.
void ColumnDots(const Matrix& columns, uint32_t i, uint32_t from, uint32_t first,
                std::vector<double>& dots) {
    const uint32_t m = columns.Cols();
    const uint32_t n = columns.Rows();
    const double* const ci = columns.Data() + size_t{i} * m;
    const auto column = [&columns, m](uint32_t j) { return columns.Data() + size_t{j} * m; };
    uint32_t j = first;
    for (; j + 4 <= n; j += 4) {
        const double* const c0 = column(j);
        const double* const c1 = column(j + 1);
        const double* const c2 = column(j + 2);
        const double* const c3 = column(j + 3);
        double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
        for (uint32_t k = from; k < m; ++k) {
            s0 += ci[k] * c0[k];
            s1 += ci[k] * c1[k];
            s2 += ci[k] * c2[k];
            s3 += ci[k] * c3[k];
        }
        dots[j - first] = s0;
        dots[j + 1 - first] = s1;
        dots[j + 2 - first] = s2;
        dots[j + 3 - first] = s3;
    }
    for (; j < n; ++j) {
        const double* const cj = column(j);
        double sum = 0.0;
        for (uint32_t k = from; k < m; ++k) sum += ci[k] * cj[k];
        dots[j - first] = sum;
    }
}

}  // namespace

double Pythag(double a, double b) {
    const double absa = std::fabs(a);
    const double absb = std::fabs(b);
    if (absa > absb) {
        const double ratio = absb / absa;
        return absa * std::sqrt(1.0 + ratio * ratio);
    }
    if (absb == 0.0) return 0.0;
    const double ratio = absa / absb;
    return absb * std::sqrt(1.0 + ratio * ratio);
}

double Sign(double a, double b) { return b >= 0.0 ? std::fabs(a) : -std::fabs(a); }

int SingularValueDecomposition(Matrix& columns, Matrix& w, Matrix& v) {
    // A(r, c) is element (r, c) of the matrix decomposed, m x n, held by columns: every
    // pass down a column runs through adjacent memory.
    const uint32_t m = columns.Cols();
    const uint32_t n = columns.Rows();
    const auto A = [&columns](uint32_t r, uint32_t c) -> double& { return columns.At(c, r); };
    if (m < n) return 1;
    std::vector<double> rowSums(m);
    std::vector<double> dots(n);
    w.Fill(0.0);
    v.Fill(0.0);
    Matrix work(n, 1);
    work.Fill(0.0);
    double* rv1 = work.Data();

    // Householder reduction to upper bidiagonal form.
    double g = 0.0;
    double scale = 0.0;
    double anorm = 0.0;
    for (uint32_t i = 0; i < n; ++i) {
        const uint32_t l = i + 1;
        rv1[i] = scale * g;
        g = 0.0;
        double s = 0.0;
        scale = 0.0;
        for (uint32_t k = i; k < m; ++k) scale += std::fabs(A(k, i));
        if (scale != 0.0) {
            for (uint32_t k = i; k < m; ++k) {
                A(k, i) /= scale;
                s += A(k, i) * A(k, i);
            }
            double f = A(i, i);
            g = -Sign(std::sqrt(s), f);
            const double h = f * g - s;
            A(i, i) = f - g;
            // Column j's update changes no other column's sum: all are taken first.
            ColumnDots(columns, i, i, l, dots);
            for (uint32_t j = l; j < n; ++j) {
                f = dots[j - l] / h;
                for (uint32_t k = i; k < m; ++k) A(k, j) += f * A(k, i);
            }
            for (uint32_t k = i; k < m; ++k) A(k, i) *= scale;
        }
        w.At(i, 0) = scale * g;
        g = 0.0;
        s = 0.0;
        scale = 0.0;
        if (i != n - 1) {
            for (uint32_t k = l; k < n; ++k) scale += std::fabs(A(i, k));
            if (scale != 0.0) {
                for (uint32_t k = l; k < n; ++k) {
                    A(i, k) /= scale;
                    s += A(i, k) * A(i, k);
                }
                const double f = A(i, l);
                g = -Sign(std::sqrt(s), f);
                const double h = f * g - s;
                A(i, l) = f - g;
                for (uint32_t k = l; k < n; ++k) rv1[k] = A(i, k) / h;
                // Each row j below i takes s = the sum over k of A(j, k) A(i, k), in the
                // order of k, then A(j, k) += s rv1[k]; done a column at a time for all
                // rows together, which gives each row the same sums.
                std::fill(rowSums.begin() + l, rowSums.end(), 0.0);
                for (uint32_t k = l; k < n; ++k) {
                    const double aik = A(i, k);
                    const double* const column = columns.Data() + size_t{k} * m;
                    for (uint32_t j = l; j < m; ++j) rowSums[j] += column[j] * aik;
                }
                for (uint32_t k = l; k < n; ++k) {
                    double* const column = columns.Data() + size_t{k} * m;
                    for (uint32_t j = l; j < m; ++j) column[j] += rowSums[j] * rv1[k];
                }
                for (uint32_t k = l; k < n; ++k) A(i, k) *= scale;
            }
        }
        anorm = std::max(anorm, std::fabs(w.At(i, 0)) + std::fabs(rv1[i]));
    }

    // Accumulation of the right-hand transformations.
    uint32_t l = n;
    for (uint32_t i = n; i-- > 0;) {
        if (i < n - 1) {
            if (g != 0.0) {
                for (uint32_t j = l; j < n; ++j) v.At(j, i) = (A(i, j) / A(i, l)) / g;
                for (uint32_t j = l; j < n; ++j) {
                    double s = 0.0;
                    for (uint32_t k = l; k < n; ++k) s += A(i, k) * v.At(k, j);
                    for (uint32_t k = l; k < n; ++k) v.At(k, j) += s * v.At(k, i);
                }
            }
            for (uint32_t j = l; j < n; ++j) v.At(i, j) = v.At(j, i) = 0.0;
        }
        v.At(i, i) = 1.0;
        g = rv1[i];
        l = i;
    }

    // Accumulation of the left-hand transformations: a becomes U.
    for (uint32_t i = n; i-- > 0;) {
        l = i + 1;
        g = w.At(i, 0);
        for (uint32_t j = l; j < n; ++j) A(i, j) = 0.0;
        if (g != 0.0) {
            g = 1.0 / g;
            ColumnDots(columns, i, l, l, dots);
            for (uint32_t j = l; j < n; ++j) {
                const double f = (dots[j - l] / A(i, i)) * g;
                for (uint32_t k = i; k < m; ++k) A(k, j) += f * A(k, i);
            }
            for (uint32_t j = i; j < m; ++j) A(j, i) *= g;
        } else {
            for (uint32_t j = i; j < m; ++j) A(j, i) = 0.0;
        }
        A(i, i) += 1.0;
    }

    // Diagonalisation of the bidiagonal form by implicit-shift QR.
    for (uint32_t k = n; k-- > 0;) {
        for (int its = 1; its <= kMaxIterations; ++its) {
            // Splitting test; rv1[0] is always 0, so the search ends at l = 0.
            bool flag = true;
            uint32_t nm = 0;
            for (l = k + 1; l-- > 0;) {
                nm = l - 1;
                if (std::fabs(rv1[l]) + anorm == anorm) {
                    flag = false;
                    break;
                }
                if (std::fabs(w.At(nm, 0)) + anorm == anorm) break;
            }
            if (flag) {
                // Cancellation of rv1[l] when w[nm] is negligible.
                double c = 0.0;
                double s = 1.0;
                for (uint32_t i = l; i <= k; ++i) {
                    const double f = s * rv1[i];
                    rv1[i] = c * rv1[i];
                    if (std::fabs(f) + anorm == anorm) break;
                    g = w.At(i, 0);
                    double h = Pythag(f, g);
                    w.At(i, 0) = h;
                    h = 1.0 / h;
                    c = g * h;
                    s = -f * h;
                    RotateRows(columns, nm, i, c, s);
                }
            }
            double z = w.At(k, 0);
            if (l == k) {
                if (z < 0.0) {
                    w.At(k, 0) = -z;
                    for (uint32_t j = 0; j < n; ++j) v.At(j, k) = -v.At(j, k);
                }
                break;
            }
            if (its == kMaxIterations) return 1;

            // Shift from the bottom 2 x 2 minor.
            double x = w.At(l, 0);
            nm = k - 1;
            double y = w.At(nm, 0);
            g = rv1[nm];
            double h = rv1[k];
            double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
            g = Pythag(f, 1.0);
            f = ((x - z) * (x + z) + h * ((y / (f + Sign(g, f))) - h)) / x;

            // QR sweep.
            double c = 1.0;
            double s = 1.0;
            for (uint32_t j = l; j <= nm; ++j) {
                const uint32_t i = j + 1;
                g = rv1[i];
                y = w.At(i, 0);
                h = s * g;
                g = c * g;
                z = Pythag(f, h);
                rv1[j] = z;
                c = f / z;
                s = h / z;
                f = x * c + g * s;
                g = g * c - x * s;
                h = y * s;
                y *= c;
                RotateColumns(v, j, i, c, s);
                z = Pythag(f, h);
                w.At(j, 0) = z;
                if (z != 0.0) {
                    z = 1.0 / z;
                    c = f * z;
                    s = h * z;
                }
                f = c * g + s * y;
                x = c * y - s * g;
                RotateRows(columns, j, i, c, s);
            }
            rv1[l] = 0.0;
            rv1[k] = f;
            w.At(k, 0) = x;
        }
    }
    return 0;
}

void SvdCovariance(const Matrix& v, const Matrix& w, Matrix& cvm) {
    const uint32_t n = v.Rows();
    Matrix wti(n, 1);
    for (uint32_t k = 0; k < n; ++k) {
        const double wk = w.At(k, 0);
        wti.At(k, 0) = wk != 0.0 ? 1.0 / (wk * wk) : 0.0;
    }
    for (uint32_t i = 0; i < n; ++i) {
        for (uint32_t j = 0; j <= i; ++j) {
            double sum = 0.0;
            for (uint32_t k = 0; k < n; ++k) sum += v.At(i, k) * v.At(j, k) * wti.At(k, 0);
            cvm.At(j, i) = cvm.At(i, j) = sum;
        }
    }
}

}  // namespace lumox
