#ifndef LUMOX_NUMERIC_SVD_H
#define LUMOX_NUMERIC_SVD_H

#include "numeric/matrix.h"

namespace lumox {

// Golub-Reinsch decomposition A = U diag(w) V' of an m x n matrix A, m >= n, given by its
// columns: columns (n x m) holds A transposed and becomes U transposed. w (n x 1) and v
// (n x n) must have their shapes already. w is not sorted; v is V, not its transpose.
// 0 on success; 1 when m < n or a value does not converge in 30 iterations.
int SingularValueDecomposition(Matrix& columns, Matrix& w, Matrix& v);
// cvm(i, j) = sum over k of v(i, k) v(j, k) / w(k)^2, skipping w(k) = 0.
void SvdCovariance(const Matrix& v, const Matrix& w, Matrix& cvm);
// sqrt(a^2 + b^2) without destructive overflow or underflow.
double Pythag(double a, double b);
// |a| with the sign of b (b = 0 counts as positive).
double Sign(double a, double b);

}  // namespace lumox

#endif
