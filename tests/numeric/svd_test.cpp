#include "numeric/svd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace lumox {
namespace {

Matrix FromRows(uint32_t rows, uint32_t cols, std::initializer_list<double> values) {
    Matrix m(rows, cols);
    std::copy(values.begin(), values.end(), m.Data());
    return m;
}

// Decomposes a copy of a; w and v start as NaN so that anything not written shows.
struct Decomposition {
    explicit Decomposition(const Matrix& a) : w(a.Cols(), 1), v(a.Cols(), a.Cols()) {
        w.Fill(std::numeric_limits<double>::quiet_NaN());
        v.Fill(std::numeric_limits<double>::quiet_NaN());
        Matrix columns = Transpose(a);
        result = SingularValueDecomposition(columns, w, v);
        u = Transpose(columns);
    }
    Matrix u, w, v;
    int result;
};

double MaxAbs(const Matrix& m) {
    double largest = 0.0;
    for (uint32_t i = 0; i < m.Rows() * m.Cols(); ++i) {
        largest = std::max(largest, std::fabs(m.Data()[i]));
    }
    return largest;
}

// Largest |Q'Q - I| over the columns of q.
double OrthonormalityError(const Matrix& q) {
    const Matrix gram = Multiply(Transpose(q), q);
    double error = 0.0;
    for (uint32_t i = 0; i < gram.Rows(); ++i) {
        for (uint32_t j = 0; j < gram.Cols(); ++j) {
            error = std::max(error, std::fabs(gram.At(i, j) - (i == j ? 1.0 : 0.0)));
        }
    }
    return error;
}

// Largest |a - U diag(w) V'| relative to the largest |a|.
double ReconstructionError(const Matrix& a, const Decomposition& d) {
    Matrix uw(d.u);
    for (uint32_t i = 0; i < uw.Rows(); ++i) {
        for (uint32_t j = 0; j < uw.Cols(); ++j) uw.At(i, j) *= d.w.At(j, 0);
    }
    return MaxAbs(Subtract(Multiply(uw, Transpose(d.v)), a)) / MaxAbs(a);
}

TEST(Svd, PythagAndSign) {
    EXPECT_EQ(Pythag(3.0, 4.0), 5.0);
    EXPECT_EQ(Pythag(-4.0, 3.0), 5.0);
    EXPECT_EQ(Pythag(0.0, 0.0), 0.0);
    EXPECT_EQ(Pythag(0.0, -2.5), 2.5);
    // No overflow or underflow of the squares.
    EXPECT_DOUBLE_EQ(Pythag(3e200, 4e200), 5e200);
    EXPECT_DOUBLE_EQ(Pythag(3e-200, 4e-200), 5e-200);

    EXPECT_EQ(Sign(2.0, -0.5), -2.0);
    EXPECT_EQ(Sign(-2.0, 0.0), 2.0);
    EXPECT_EQ(Sign(-2.0, 3.0), 2.0);
    EXPECT_EQ(Sign(2.0, -0.0), 2.0);  // -0 is not below 0
}

TEST(Svd, FewerRowsThanColumnsFailsAtOnce) {
    const Matrix a = FromRows(2, 3, {1, 2, 3, 4, 5, 6});
    Decomposition d(a);
    EXPECT_EQ(d.result, 1);
    EXPECT_EQ(d.u.At(1, 2), 6.0);  // untouched
}

TEST(Svd, IdentityGivesUnitValuesAndSignedIdentities) {
    const Matrix a = FromRows(3, 3, {1, 0, 0, 0, 1, 0, 0, 0, 1});
    Decomposition d(a);
    ASSERT_EQ(d.result, 0);
    for (uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(d.w.At(i, 0), 1.0);
        for (uint32_t j = 0; j < 3; ++j) {
            const double expected = i == j ? 1.0 : 0.0;
            EXPECT_EQ(std::fabs(d.u.At(i, j)), expected) << i << " " << j;
            EXPECT_EQ(std::fabs(d.v.At(i, j)), expected) << i << " " << j;
        }
    }
}

TEST(Svd, SingularValuesAreNotSorted) {
    // A diagonal matrix is already bidiagonal: its values come back in place, made positive.
    const Matrix a = FromRows(3, 3, {1, 0, 0, 0, -3, 0, 0, 0, 2});
    Decomposition d(a);
    ASSERT_EQ(d.result, 0);
    EXPECT_EQ(d.w.At(0, 0), 1.0);
    EXPECT_EQ(d.w.At(1, 0), 3.0);
    EXPECT_EQ(d.w.At(2, 0), 2.0);
    EXPECT_LT(ReconstructionError(a, d), 1e-15);
}

TEST(Svd, TwoEqualColumnsGiveAZeroSingularValue) {
    const Matrix a = FromRows(5, 3, {1, 2, 2, 1, 3, 3, 1, 5, 5, 1, 7, 7, 1, 11, 11});
    Decomposition d(a);
    ASSERT_EQ(d.result, 0);
    double largest = 0.0, smallest = std::numeric_limits<double>::infinity();
    for (uint32_t i = 0; i < 3; ++i) {
        EXPECT_GE(d.w.At(i, 0), 0.0);
        largest = std::max(largest, d.w.At(i, 0));
        smallest = std::min(smallest, d.w.At(i, 0));
    }
    // The fit zeroes values below 1e-16 times the largest; this one is at rounding level.
    EXPECT_LT(smallest, 1e-15 * largest);
    EXPECT_LT(ReconstructionError(a, d), 1e-14);
    EXPECT_LT(OrthonormalityError(d.v), 1e-14);
}

TEST(Svd, RandomMatricesAreReconstructed) {
    struct Shape {
        uint32_t rows, cols;
        double offset;  // added to every column but the first, as with years or big readings
    };
    const Shape shapes[] = {{1, 1, 0},   {7, 1, 0},   {4, 4, 0},    {5, 3, 0},   {20, 6, 0},
                            {60, 10, 0}, {200, 3, 0}, {30, 4, 1e3}, {50, 5, 1e6}};
    std::mt19937_64 engine(20240611);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    for (const Shape& s : shapes) {
        Matrix a(s.rows, s.cols);
        for (uint32_t i = 0; i < s.rows; ++i) {
            a.At(i, 0) = 1.0;
            for (uint32_t j = s.cols > 1 ? 1 : 0; j < s.cols; ++j) {
                a.At(i, j) = s.offset + uniform(engine);
            }
        }
        Decomposition d(a);
        ASSERT_EQ(d.result, 0) << s.rows << "x" << s.cols;
        for (uint32_t k = 0; k < s.cols; ++k) EXPECT_GE(d.w.At(k, 0), 0.0);
        EXPECT_LT(ReconstructionError(a, d), 1e-12) << s.rows << "x" << s.cols;
        EXPECT_LT(OrthonormalityError(d.u), 1e-12) << s.rows << "x" << s.cols;
        EXPECT_LT(OrthonormalityError(d.v), 1e-12) << s.rows << "x" << s.cols;
    }
}

TEST(Svd, CovarianceIsTheInverseOfTheCrossProducts) {
    const Matrix a = FromRows(5, 3, {1, 2, 4, 1, 3, 9, 1, 5, 25, 1, 7, 49, 1, 11, 121});
    Decomposition d(a);
    ASSERT_EQ(d.result, 0);
    Matrix cvm(3, 3);
    SvdCovariance(d.v, d.w, cvm);
    for (uint32_t i = 0; i < 3; ++i) {
        for (uint32_t j = 0; j < 3; ++j) EXPECT_EQ(cvm.At(i, j), cvm.At(j, i));
    }
    // (A'A) cvm = I for a matrix of full rank.
    const Matrix product = Multiply(Multiply(Transpose(a), a), cvm);
    for (uint32_t i = 0; i < 3; ++i) {
        for (uint32_t j = 0; j < 3; ++j) {
            EXPECT_NEAR(product.At(i, j), i == j ? 1.0 : 0.0, 1e-9) << i << " " << j;
        }
    }
}

TEST(Svd, CovarianceSkipsZeroSingularValues) {
    // V = I, w = (2, 0, 4): only 1/4 and 1/16 on the diagonal, by hand.
    const Matrix v = FromRows(3, 3, {1, 0, 0, 0, 1, 0, 0, 0, 1});
    const Matrix w = FromRows(3, 1, {2, 0, 4});
    Matrix cvm(3, 3);
    SvdCovariance(v, w, cvm);
    const double expected[9] = {0.25, 0, 0, 0, 0, 0, 0, 0, 0.0625};
    for (uint32_t i = 0; i < 9; ++i) EXPECT_EQ(cvm.Data()[i], expected[i]) << i;
}

}  // namespace
}  // namespace lumox
