#ifndef LUMOX_NUMERIC_MATRIX_H
#define LUMOX_NUMERIC_MATRIX_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumox {

// Dense row-major matrix of doubles, 0-based, at most 65535 elements, deep-copying.
// Every misuse it detects, and memory running out, throws a ComputeError with its message.
// New storage holds zeros. At() is unchecked: it is the hot path.
class Matrix {
public:
    static constexpr uint64_t kMaxElements = 65535;

    Matrix() = default;
    Matrix(uint32_t rows, uint32_t cols);
    // Takes over values, rows x cols of them in storage order, with the checks of
    // construction (message 6 when the count differs).
    Matrix(uint32_t rows, uint32_t cols, std::vector<double>&& values);
    Matrix(const Matrix& other) = default;
    Matrix(Matrix&& other) noexcept = default;
    // Copies the elements in storage order. A 1 x n source assigned to an n x 1 matrix (or
    // the reverse) keeps this matrix's shape; otherwise this matrix takes the source's shape.
    Matrix& operator=(const Matrix& other);
    Matrix& operator=(Matrix&& other) noexcept;

    // Release, then allocate anew with the checks of construction; contents are lost.
    void Resize(uint32_t rows, uint32_t cols);
    // Empties the matrix: both counts 0, no storage.
    void Release();

    double& At(uint32_t row, uint32_t col) { return data_[static_cast<size_t>(row) * cols_ + col]; }
    double At(uint32_t row, uint32_t col) const {
        return data_[static_cast<size_t>(row) * cols_ + col];
    }
    uint32_t Rows() const { return rows_; }
    uint32_t Cols() const { return cols_; }
    bool IsEmpty() const { return data_.empty(); }
    double* Data() { return data_.data(); }
    const double* Data() const { return data_.data(); }

    void Fill(double value);
    Matrix& Scale(double factor);
    // this(i, column) = source(i, sourceColumn) for every row; shapes checked (message 6).
    void CopyColumn(const Matrix& source, uint32_t sourceColumn, uint32_t column);
    // this(i, column) = source(sourceRow, i): a row of the source becomes a column here.
    void CopyRowToColumn(const Matrix& source, uint32_t sourceRow, uint32_t column);

private:
    static void CheckShape(uint32_t rows, uint32_t cols);
    void Allocate(uint32_t rows, uint32_t cols);

    std::vector<double> data_;
    uint32_t rows_ = 0;
    uint32_t cols_ = 0;
};

// A x B, summed in ascending k from 0.0; inner dimensions must agree (message 7).
Matrix Multiply(const Matrix& a, const Matrix& b);
// Element-wise A - B; shapes must agree (message 6).
Matrix Subtract(const Matrix& a, const Matrix& b);
Matrix Transpose(const Matrix& a);
// The p x p correlation matrix of the p columns of X (n observations). Needs n >= 2 and
// non-constant columns; otherwise the result holds infinities or NaN, without a message.
Matrix CorrelationMatrix(const Matrix& x);

// Sorts the first v.Rows() elements of v's storage in place.
void SortVector(Matrix& v, bool descending);
// The smallest and largest of the first rows values of a column (every row by default).
void ColumnMinMax(const Matrix& m, uint32_t column, double& min, double& max,
                  uint32_t rows = UINT32_MAX);

// Throws a ComputeError with the string-table text of id (stop icon).
[[noreturn]] void MatrixError(int id);

}  // namespace lumox

#endif
