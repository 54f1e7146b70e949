#include "numeric/matrix.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <new>

#include "platform/diagnostics.h"
#include "platform/strings.h"

namespace lumox {

void MatrixError(int id) { throw ComputeError(id, Icon::Stop); }

Matrix::Matrix(uint32_t rows, uint32_t cols) { Allocate(rows, cols); }

Matrix::Matrix(uint32_t rows, uint32_t cols, std::vector<double>&& values) {
    CheckShape(rows, cols);
    if (values.size() != static_cast<uint64_t>(rows) * cols) MatrixError(ids::kMatrixSizeIncorrect);
    data_ = std::move(values);
    rows_ = rows;
    cols_ = cols;
}

Matrix& Matrix::operator=(const Matrix& other) {
    if (this != &other) *this = Matrix(other);
    return *this;
}

Matrix& Matrix::operator=(Matrix&& other) noexcept {
    if (this == &other) return *this;
    // A row vector assigned to a column vector of the same length (or the reverse) keeps
    // this matrix's orientation; any other change of shape takes the source's shape.
    const bool sameShape = rows_ == other.rows_ && cols_ == other.cols_;
    const bool transposedVector =
        rows_ == other.cols_ && cols_ == other.rows_ && (rows_ == 1 || cols_ == 1);
    if (data_.empty() || !(sameShape || transposedVector)) {
        rows_ = other.rows_;
        cols_ = other.cols_;
    }
    data_ = std::move(other.data_);
    other.Release();
    return *this;
}

void Matrix::Resize(uint32_t rows, uint32_t cols) {
    Release();
    Allocate(rows, cols);
}

void Matrix::Release() {
    data_ = std::vector<double>();
    rows_ = cols_ = 0;
}

void Matrix::CheckShape(uint32_t rows, uint32_t cols) {
    // The product is taken in 64 bits so that huge counts cannot wrap below the limit.
    if (static_cast<uint64_t>(rows) * cols > kMaxElements) MatrixError(ids::kMatrixTooLarge);
    if (rows == 0 || cols == 0) MatrixError(ids::kMatrixIndexZero);
}

void Matrix::Allocate(uint32_t rows, uint32_t cols) {
    CheckShape(rows, cols);
    try {
        data_.assign(static_cast<size_t>(rows) * cols, 0.0);
    } catch (const std::bad_alloc&) {
        throw ComputeError(ids::kMatrixMemory, Icon::None);
    }
    rows_ = rows;
    cols_ = cols;
}

void Matrix::Fill(double value) { std::fill(data_.begin(), data_.end(), value); }

Matrix& Matrix::Scale(double factor) {
    const uint64_t count = static_cast<uint64_t>(rows_) * cols_;
    for (uint64_t i = 0; i < count; ++i) data_[i] *= factor;
    return *this;
}

void Matrix::CopyColumn(const Matrix& source, uint32_t sourceColumn, uint32_t column) {
    if (rows_ != source.rows_ || sourceColumn >= source.cols_ || column >= cols_) {
        MatrixError(ids::kMatrixSizeIncorrect);
    }
    for (uint32_t i = 0; i < rows_; ++i) At(i, column) = source.At(i, sourceColumn);
}

void Matrix::CopyRowToColumn(const Matrix& source, uint32_t sourceRow, uint32_t column) {
    if (rows_ != source.cols_ || sourceRow >= source.rows_ || column >= cols_) {
        MatrixError(ids::kMatrixSizeIncorrect);
    }
    for (uint32_t i = 0; i < rows_; ++i) At(i, column) = source.At(sourceRow, i);
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
    if (a.Cols() != b.Rows()) MatrixError(ids::kMatrixMultiplication);
    Matrix result(a.Rows(), b.Cols());
    for (uint32_t i = 0; i < a.Rows(); ++i) {
        for (uint32_t j = 0; j < b.Cols(); ++j) {
            double sum = 0.0;
            for (uint32_t k = 0; k < a.Cols(); ++k) sum += a.At(i, k) * b.At(k, j);
            result.At(i, j) = sum;
        }
    }
    return result;
}

Matrix Subtract(const Matrix& a, const Matrix& b) {
    if (a.Rows() != b.Rows() || a.Cols() != b.Cols()) MatrixError(ids::kMatrixSizeIncorrect);
    Matrix result(a.Rows(), a.Cols());
    for (uint32_t i = 0; i < a.Rows(); ++i) {
        for (uint32_t j = 0; j < a.Cols(); ++j) result.At(i, j) = a.At(i, j) - b.At(i, j);
    }
    return result;
}

Matrix Transpose(const Matrix& a) {
    Matrix result(a.Cols(), a.Rows());
    for (uint32_t i = 0; i < a.Cols(); ++i) {
        for (uint32_t j = 0; j < a.Rows(); ++j) result.At(i, j) = a.At(j, i);
    }
    return result;
}

Matrix CorrelationMatrix(const Matrix& x) {
    const uint32_t n = x.Rows();
    const uint32_t p = x.Cols();
    Matrix mean(p, 1);
    for (uint32_t j = 0; j < p; ++j) {
        double sum = 0.0;
        for (uint32_t i = 0; i < n; ++i) sum += x.At(i, j);
        mean.At(j, 0) = sum / static_cast<double>(n);
    }
    Matrix s(p, p);
    for (uint32_t a = 0; a < p; ++a) {
        for (uint32_t b = 0; b < p; ++b) {
            double sum = 0.0;
            for (uint32_t i = 0; i < n; ++i) {
                sum += (x.At(i, a) - mean.At(a, 0)) * (x.At(i, b) - mean.At(b, 0));
            }
            s.At(a, b) = sum;
        }
    }
    s.Scale(1.0 / (static_cast<double>(n) - 1.0));
    Matrix d(p, p);
    d.Fill(0.0);
    for (uint32_t j = 0; j < p; ++j) d.At(j, j) = 1.0 / std::sqrt(s.At(j, j));
    return Multiply(Multiply(d, s), d);
}

void SortVector(Matrix& v, bool descending) {
    double* begin = v.Data();
    double* end = begin + v.Rows();
    if (descending) {
        std::sort(begin, end, std::greater<double>());
    } else {
        std::sort(begin, end);
    }
}

void ColumnMinMax(const Matrix& m, uint32_t column, double& min, double& max, uint32_t rows) {
    min = max = m.At(0, column);
    for (uint32_t i = 0; i < rows && i < m.Rows(); ++i) {
        const double value = m.At(i, column);
        if (value < min) min = value;
        if (value > max) max = value;
    }
}

}  // namespace lumox
