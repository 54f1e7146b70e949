#include "numeric/matrix.h"

#include <gtest/gtest.h>

#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::Message;
using test::StopOf;

Matrix Make(uint32_t rows, uint32_t cols, std::initializer_list<double> values) {
    Matrix m(rows, cols);
    double* out = m.Data();
    for (double v : values) *out++ = v;
    return m;
}

TEST(Matrix, ElementLimitAndZeroCountsStopWithTheirMessages) {
    const Message tooLarge{"Matrix: too large", Icon::Stop};
    const Message zero{"Matrix: index is minus or zero", Icon::Stop};
    EXPECT_EQ(StopOf([] { Matrix(256, 256); }), tooLarge);
    EXPECT_EQ(StopOf([] { Matrix(0, 5); }), zero);
    EXPECT_EQ(StopOf([] { Matrix(5, 0); }), zero);
    // A product that would wrap 32 bits must still be refused as too large.
    EXPECT_EQ(StopOf([] { Matrix(65536, 65536); }), tooLarge);
    Matrix tall(65535, 1);
    Matrix wide(255, 257);
    EXPECT_EQ(tall.Rows(), 65535u);
    EXPECT_EQ(wide.Cols(), 257u);
}

TEST(Matrix, ShapeMismatchesStopWithTheirMessages) {
    const Matrix a(3, 2), b(3, 2), c(2, 3);
    const Message size{"Matrix: size incorrect for operation", Icon::Stop};
    EXPECT_EQ(StopOf([&] { Multiply(a, b); }), (Message{"Matrix: multiplication error", Icon::Stop}));
    EXPECT_EQ(StopOf([&] { Subtract(c, a); }), size);
    Matrix column(3, 1);
    EXPECT_EQ(StopOf([&] { column.CopyColumn(a, 2, 0); }), size);
    EXPECT_EQ(StopOf([&] { column.CopyRowToColumn(a, 0, 0); }), size);
    // Values taken over must be exactly rows x cols of them.
    EXPECT_EQ(StopOf([] { Matrix(2, 2, std::vector<double>(3)); }), size);
    const Matrix taken(2, 3, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(taken.At(1, 0), 4.0);
}

TEST(Matrix, AssignmentKeepsShapeWhenElementCountsAgree) {
    Matrix column(4, 1);
    column = Make(1, 4, {1, 2, 3, 4});
    EXPECT_EQ(column.Rows(), 4u);
    EXPECT_EQ(column.Cols(), 1u);
    EXPECT_EQ(column.At(3, 0), 4.0);

    Matrix other(4, 1);
    other = Make(2, 2, {1, 2, 3, 4});
    EXPECT_EQ(other.Rows(), 2u);
    EXPECT_EQ(other.Cols(), 2u);

    Matrix empty;
    empty = Make(2, 1, {5, 6});
    EXPECT_EQ(empty.Rows(), 2u);
    EXPECT_EQ(empty.At(1, 0), 6.0);

    Matrix copy(empty);
    copy.At(0, 0) = 9;
    EXPECT_EQ(empty.At(0, 0), 5.0);  // deep copy
    copy = copy;
    EXPECT_EQ(copy.At(0, 0), 9.0);
}

TEST(Matrix, ProductsTransposeAndColumns) {
    const Matrix a = Make(2, 3, {1, 2, 3, 4, 5, 6});
    const Matrix at = Transpose(a);
    ASSERT_EQ(at.Rows(), 3u);
    EXPECT_EQ(at.At(2, 1), 6.0);
    const Matrix p = Multiply(a, at);
    EXPECT_EQ(p.At(0, 0), 14.0);
    EXPECT_EQ(p.At(0, 1), 32.0);
    EXPECT_EQ(p.At(1, 1), 77.0);
    const Matrix d = Subtract(p, p);
    EXPECT_EQ(d.At(1, 0), 0.0);

    Matrix column(2, 2);
    column.Fill(0.0);
    column.CopyColumn(a, 2, 1);
    EXPECT_EQ(column.At(1, 1), 6.0);
    Matrix row(3, 1);
    row.CopyRowToColumn(a, 1, 0);
    EXPECT_EQ(row.At(0, 0), 4.0);
    EXPECT_EQ(row.At(2, 0), 6.0);
    EXPECT_EQ(Matrix(row).Scale(2.0).At(1, 0), 10.0);
}

TEST(Matrix, SortAndColumnExtremes) {
    Matrix v = Make(3, 1, {3, 1, 2});
    SortVector(v, false);
    EXPECT_EQ(v.At(0, 0), 1.0);
    EXPECT_EQ(v.At(2, 0), 3.0);
    SortVector(v, true);
    EXPECT_EQ(v.At(0, 0), 3.0);
    EXPECT_EQ(v.At(2, 0), 1.0);

    const Matrix m = Make(3, 2, {5, -1, 2, 7, 9, 0});
    double lo = 0, hi = 0;
    ColumnMinMax(m, 0, lo, hi);
    EXPECT_EQ(lo, 2.0);
    EXPECT_EQ(hi, 9.0);
    ColumnMinMax(m, 1, lo, hi);
    EXPECT_EQ(lo, -1.0);
    EXPECT_EQ(hi, 7.0);
}

TEST(Matrix, CorrelationOfLinearlyRelatedColumns) {
    const Matrix x = Make(4, 3, {1, 3, 8, 2, 5, 6, 3, 7, 4, 4, 9, 2});
    const Matrix r = CorrelationMatrix(x);
    for (uint32_t i = 0; i < 3; ++i) EXPECT_NEAR(r.At(i, i), 1.0, 1e-15);
    EXPECT_NEAR(r.At(0, 1), 1.0, 1e-15);
    EXPECT_NEAR(r.At(0, 2), -1.0, 1e-15);
    EXPECT_NEAR(r.At(2, 1), -1.0, 1e-15);

    // Hand-computed: x = 1,2,3,4 against y = 1,3,2,4 gives r = 0.8.
    const Matrix y = Make(4, 2, {1, 1, 2, 3, 3, 2, 4, 4});
    EXPECT_NEAR(CorrelationMatrix(y).At(1, 0), 0.8, 1e-15);
}

}  // namespace
}  // namespace lumox
