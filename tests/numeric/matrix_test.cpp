#include "numeric/matrix.h"

#include <gtest/gtest.h>

#include "platform/abort.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::Message;
using test::ScriptedPrompt;

Matrix Make(uint32_t rows, uint32_t cols, std::initializer_list<double> values) {
    Matrix m(rows, cols);
    double* out = m.Data();
    for (double v : values) *out++ = v;
    return m;
}

TEST(Matrix, ElementLimitAndZeroCountsStopWithTheirMessages) {
    ScriptedPrompt prompt;
    EXPECT_THROW(Matrix(256, 256), UserAbort);
    EXPECT_THROW(Matrix(0, 5), UserAbort);
    EXPECT_THROW(Matrix(5, 0), UserAbort);
    // A product that would wrap 32 bits must still be refused as too large.
    EXPECT_THROW(Matrix(65536, 65536), UserAbort);
    EXPECT_EQ(prompt.messages, (std::vector<Message>{{"Matrix: too large", Icon::Stop},
                                                     {"Matrix: index is minus or zero", Icon::Stop},
                                                     {"Matrix: index is minus or zero", Icon::Stop},
                                                     {"Matrix: too large", Icon::Stop}}));
    Matrix tall(65535, 1);
    Matrix wide(255, 257);
    EXPECT_EQ(tall.Rows(), 65535u);
    EXPECT_EQ(wide.Cols(), 257u);
}

TEST(Matrix, ShapeMismatchesStopWithTheirMessages) {
    ScriptedPrompt prompt;
    const Matrix a(3, 2), b(3, 2), c(2, 3);
    EXPECT_THROW(Multiply(a, b), UserAbort);
    EXPECT_THROW(Subtract(c, a), UserAbort);
    Matrix column(3, 1);
    EXPECT_THROW(column.CopyColumn(a, 2, 0), UserAbort);
    EXPECT_THROW(column.CopyRowToColumn(a, 0, 0), UserAbort);
    // Values taken over must be exactly rows x cols of them.
    EXPECT_THROW(Matrix(2, 2, std::vector<double>(3)), UserAbort);
    EXPECT_EQ(prompt.Texts(),
              (std::vector<std::string>{
                  "Matrix: multiplication error", "Matrix: size incorrect for operation",
                  "Matrix: size incorrect for operation", "Matrix: size incorrect for operation",
                  "Matrix: size incorrect for operation"}));
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
