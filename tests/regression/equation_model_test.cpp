#include "regression/equation_model.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>

#include "numeric/matrix.h"
#include "platform/strings.h"
#include "regression/math_hook.h"
#include "regression/regression_helpers.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using enum TransformKind;
using test::kOne;
using test::MakeModel;
using test::Message;
using test::Msg;
using test::Product;
using test::ScriptedPrompt;
using test::Var;

TEST(EquationModel, TransformFailuresShowTheHookMessageThenTheirOwn) {
    struct Case {
        const char* what;
        Transform yTransform;
        Transform xTransform;
        double y;
        double x;
        std::vector<Message> messages;
    };
    const std::vector<Case> cases = {
        {"log(y) of 0",
         Log,
         None,
         0.0,
         1.0,
         {Msg(ids::kMathSingularity, Icon::None), Msg(ids::kTransformUnsuitable, Icon::Stop)}},
        {"sqrt(x) of -4",
         None,
         Sqrt,
         1.0,
         -4.0,
         {Msg(ids::kMathDomain, Icon::None), Msg(ids::kTransformUnsuitable, Icon::Stop)}},
        {"log(x) of -1",
         None,
         Log,
         1.0,
         -1.0,
         {Msg(ids::kMathDomain, Icon::None), Msg(ids::kTransformUnsuitable, Icon::Stop)}},
        {"1/x of 0", None, Reciprocal, 1.0, 0.0, {Msg(ids::kEquationUnsuitable, Icon::Stop)}},
        {"1/x^2 of 0",
         None,
         ReciprocalSquare,
         1.0,
         0.0,
         {Msg(ids::kEquationUnsuitable, Icon::Stop)}},
        {"1/y of 0", Reciprocal, None, 0.0, 1.0, {Msg(ids::kEquationUnsuitable, Icon::Stop)}},
        // A division is no runtime function: its overflow has no hook message.
        {"1/x of 1e-310",
         None,
         Reciprocal,
         1.0,
         1e-310,
         {Msg(ids::kTransformUnsuitable, Icon::Stop)}},
        {"1/x of -1e-310",
         None,
         Reciprocal,
         1.0,
         -1e-310,
         {Msg(ids::kTransformUnsuitable, Icon::Stop)}},
        {"x^6 of 1e60",
         None,
         Transform::Power(6),
         1.0,
         1e60,
         {Msg(ids::kMathOverflow, Icon::None), Msg(ids::kTransformUnsuitable, Icon::Stop)}},
        {"x^5 of -1e70",
         None,
         Transform::Power(5),
         1.0,
         -1e70,
         {Msg(ids::kMathOverflow, Icon::None), Msg(ids::kTransformUnsuitable, Icon::Stop)}},
        {"e^-x of -1000",
         None,
         ExpNeg,
         1.0,
         -1000.0,
         {Msg(ids::kMathOverflow, Icon::None), Msg(ids::kTransformUnsuitable, Icon::Stop)}},
        {"sqrt(y) of infinity",
         Sqrt,
         None,
         std::numeric_limits<double>::infinity(),
         1.0,
         {Msg(ids::kTransformUnsuitable, Icon::Stop)}},
    };
    for (const Case& c : cases) {
        Diagnostics said;
        EquationModel model = MakeModel({Var(0, c.yTransform), kOne, Var(1, c.xTransform)});
        Matrix data(2, 2);
        data.At(0, 0) = 5.0;  // a first row that transforms well
        data.At(0, 1) = 2.0;
        data.At(1, 0) = c.y;
        data.At(1, 1) = c.x;
        Matrix x;
        Matrix y;
        EXPECT_EQ(model.BuildTermMatrix(x, y, data, false, said), 1) << c.what;
        EXPECT_EQ(said.Items(), c.messages) << c.what;
    }
}

TEST(EquationModel, ExponentialUnderflowToZeroFailsTheTransform) {
    Diagnostics said;
    EquationModel model = MakeModel({Var(0), kOne, Var(1, ExpNeg)});
    Matrix data(1, 2);
    data.At(0, 0) = 1.0;
    data.At(0, 1) = 1000.0;  // e^-1000 underflows to exactly 0
    Matrix x;
    Matrix y;
    EXPECT_EQ(model.BuildTermMatrix(x, y, data, false, said), 1);
    EXPECT_EQ(said.Items(), std::vector<Message>{Msg(ids::kEquationUnsuitable, Icon::Stop)});

    // e^-740 is a subnormal number, not 0: no message.
    Diagnostics quiet;
    data.At(0, 1) = 740.0;
    EXPECT_EQ(model.BuildTermMatrix(x, y, data, false, quiet), 0);
    EXPECT_GT(x.At(0, 1), 0.0);
    EXPECT_TRUE(quiet.Empty());
}

TEST(EquationModel, MathHookClassifiesTheRaisedFlags) {
    EXPECT_EQ(MathErrorId(FE_OVERFLOW | FE_INEXACT, 1.0), ids::kMathOverflow);
    EXPECT_EQ(MathErrorId(FE_INVALID, NAN), ids::kMathDomain);
    EXPECT_EQ(MathErrorId(FE_DIVBYZERO, -INFINITY), ids::kMathSingularity);
    EXPECT_EQ(MathErrorId(0, NAN), ids::kMathOther);
    EXPECT_EQ(MathErrorId(0, 2.0), 0);
    EXPECT_EQ(MathErrorId(FE_UNDERFLOW | FE_INEXACT, 0.0), 0);
}

TEST(EquationModel, APowerRaisesToItsExponent) {
    // 3^0, 3^1 and 3^6 by hand; no transform leaves the value as it is.
    Diagnostics said;
    for (const auto& [transform, expected] : {std::pair{Transform::Power(0), 1.0},
                                              {Transform::Power(1), 3.0},
                                              {Transform::Power(6), 729.0},
                                              {Transform(), 3.0}}) {
        double result = 0.0;
        EXPECT_TRUE(EquationModel::ApplyTransform(transform, 3.0, result, said)) << expected;
        EXPECT_EQ(result, expected);
    }
    EXPECT_TRUE(said.Empty());
}

TEST(EquationModel, BuildsTermsFromConstantVariablesProductsAndTransforms) {
    Diagnostics said;
    // data columns: 0 = Y, 1 = A, 2 = B
    Matrix data(2, 3);
    const double rows[2][3] = {{4.0, 2.0, 3.0}, {9.0, 0.5, -2.0}};
    for (uint32_t r = 0; r < 2; ++r)
        for (uint32_t c = 0; c < 3; ++c) data.At(r, c) = rows[r][c];
    // y = sqrt(Y); x0 = 1, x1 = A, x2 = B, x3 = A*B, x4 = A^3, x5 = 1/B^2,
    // x6 = e^-A, x7 = log(A), x8 = 1/A
    EquationModel model =
        MakeModel({Var(0, Sqrt), kOne, Var(1), Var(2), Product(1, 2), Var(1, Transform::Power(3)),
                   Var(2, ReciprocalSquare), Var(1, ExpNeg), Var(1, Log), Var(1, Reciprocal)});
    ASSERT_EQ(model.m_nEntryCount, 10);
    Matrix x;
    Matrix y;
    ASSERT_EQ(model.BuildTermMatrix(x, y, data, false, said), 0);
    ASSERT_EQ(x.Rows(), 2u);
    ASSERT_EQ(x.Cols(), 9u);
    for (uint32_t r = 0; r < 2; ++r) {
        const double a = rows[r][1];
        const double b = rows[r][2];
        const double expected[9] = {
            1.0, a, b, a * b, a * a * a, 1.0 / (b * b), std::exp(-a), std::log(a), 1.0 / a};
        for (uint32_t k = 0; k < 9; ++k) EXPECT_DOUBLE_EQ(x.At(r, k), expected[k]) << r << k;
        EXPECT_DOUBLE_EQ(y.At(r, 0), std::sqrt(rows[r][0]));
    }
    EXPECT_EQ(model.m_bYTransformed, 1);
    EXPECT_TRUE(said.Empty());

    // x only: Y is left alone and y counts as not transformed.
    Matrix untouched;
    ASSERT_EQ(model.BuildTermMatrix(x, untouched, data, true, said), 0);
    EXPECT_TRUE(untouched.IsEmpty());
    EXPECT_EQ(model.m_bYTransformed, 0);
}

// A cross product keeps the entries it joins by number, and the choice lists let those
// entries change afterwards. Both ways of leaving it without a data variable, each made
// only of choices the lists offer, are refused before any row is read.
TEST(EquationModel, CrossProductWhoseFactorHoldsNoVariableIsRefused) {
    const std::vector<std::string> names = {"Y", "A", "B"};
    auto choose = [&names](EquationModel& model, int entry, const std::string& text) {
        ASSERT_TRUE(model.CanSelectEntry(entry));
        ChoiceList<TermFactor> list;
        model.FillVariableList(entry, list, names);
        for (const ChoiceItem<TermFactor>& item : list) {
            if (item.text != text) continue;
            model.m_aTerms[entry] = Term{item.value, Transform()};
            return;
        }
        FAIL() << text << " is not offered for entry " << entry;
    };
    struct Case {
        const char* what;
        int entry;         // changed after x1 = X2X3 was chosen
        const char* item;  // to this choice
        const char* product;
    };
    const Case cases[] = {
        {"x3 set to none", 4, "(None)", "X2X3"},
        // x1 (no longer plain) drops out of x2's pairs; x3 and x4 remain
        {"x2 made a product of x3 and x4", 3, "X3X4", "X2X3"},
    };
    for (const Case& c : cases) {
        // y = Y, x0 = 1, x1 = A (soon X2X3), x2 = A, x3 = B, x4 = A
        EquationModel model = MakeModel({Var(0), kOne, Var(1), Var(1), Var(2), Var(1)});
        choose(model, 2, "X2X3");
        choose(model, c.entry, c.item);
        model.CompactModel();
        Diagnostics said;
        Matrix data(6, 3);
        data.Fill(1.0);
        Matrix x;
        Matrix y;
        EXPECT_EQ(model.BuildTermMatrix(x, y, data, false, said), 1) << c.what;
        const Message refusal{
            std::string("Cross product ") + c.product + " uses an entry that holds no variable!",
            Icon::Stop};
        EXPECT_EQ(said.Items(), std::vector<Message>{refusal}) << c.what;
    }
}

TEST(EquationModel, SelectionStopsAtTheFirstUnusedEntry) {
    EquationModel model = MakeModel({Var(0), kOne, Var(1)});
    EXPECT_FALSE(model.CanSelectEntry(5));  // x4 lies behind x2, the first unused entry
    EXPECT_TRUE(model.CanSelectEntry(3));   // x2 may be selected
    EXPECT_EQ(model.m_nEntryCount, 3);

    // With all eleven entries defined there is still no twelfth to select.
    EquationModel full = MakeModel(
        {Var(0), kOne, Var(1), Var(2), Var(3), Var(4), Var(5), Var(6), Var(7), Var(8), Var(9)});
    ASSERT_EQ(full.m_nEntryCount, 11);
    EXPECT_FALSE(full.CanSelectEntry(11));
    EXPECT_FALSE(full.CanSelectEntry(-1));
    EXPECT_TRUE(full.CanSelectEntry(10));
}

TEST(EquationModel, CompactModelClearsBehindAGap) {
    EquationModel model = MakeModel({Var(0), kOne, Var(1), Var(2, Log), Var(3)});
    ASSERT_EQ(model.m_nEntryCount, 5);
    model.m_aTerms[2] = Term{};          // x1 set to "(None)"
    EXPECT_EQ(model.CompactModel(), 3);  // x2 was still defined
    EXPECT_EQ(model.m_nEntryCount, 2);
    for (int entry = 2; entry < EquationModel::kEntries; ++entry) {
        EXPECT_EQ(model.m_aTerms[entry], Term{}) << entry;
    }
    EXPECT_EQ(model.CompactModel(), -1);  // nothing left behind the run
}

TEST(EquationModel, DistinctVariablesAndDuplicates) {
    struct Case {
        std::vector<Term> terms;
        int distinct;
        std::vector<int> variables;
        std::optional<int> single;
        int duplicate;
    };
    const std::vector<Case> cases = {
        // y = Y, x1 = A, x2 = A^2: one variable, the single variable A
        {{Var(0), kOne, Var(1), Var(1, Transform::Power(2))}, 1, {1}, 1, 0},
        // x1 = sqrt(A), x2 = sqrt(A): a duplicate term, found as entry 3 (x2)
        {{Var(0), kOne, Var(1, Sqrt), Var(1, Sqrt)}, 1, {1}, 1, 3},
        // powers of one variable are the same term only with the same exponent
        {{Var(0), kOne, Var(1, Transform::Power(2)), Var(1, Transform::Power(3))}, 1, {1}, 1, 0},
        // B, A, A*B, B: order of first use; the last pair found wins
        {{Var(0), kOne, Var(2), Var(1), Product(1, 2), Var(2)}, 2, {2, 1}, std::nullopt, 5},
        // only the constant
        {{Var(0), kOne}, 0, {}, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        EquationModel model = MakeModel(c.terms);
        std::vector<int> variables;
        EXPECT_EQ(model.ListDistinctVariables(&variables), c.distinct);
        EXPECT_EQ(variables, c.variables);
        EXPECT_EQ(model.m_nSingleVariable, c.single);
        EXPECT_EQ(model.FindDuplicateTerm(), c.duplicate);
    }
}

TEST(EquationModel, VariableChoicesOfferCrossProductsOfPlainTerms) {
    using Choices = ChoiceList<TermFactor>;
    const std::vector<std::string> names = {"A", "B", "C", "D"};
    const TermFactor none;
    const TermFactor a = TermFactor::Variable(0);
    const TermFactor b = TermFactor::Variable(1);
    const TermFactor c = TermFactor::Variable(2);
    const TermFactor d = TermFactor::Variable(3);
    EquationModel model = MakeModel({Var(0), kOne, Var(1), Var(2)});
    Choices list;

    model.FillVariableList(0, list, names);
    EXPECT_EQ(list, (Choices{{"(None)", none}, {"A", a}, {"B", b}, {"C", c}, {"D", d}}));

    model.FillVariableList(1, list, names);
    EXPECT_EQ(list, (Choices{{"(None)", none}, {"1", TermFactor::Constant()}}));

    model.FillVariableList(4, list, names);  // x3
    EXPECT_EQ(list, (Choices{{"(None)", none},
                             {"B", b},
                             {"C", c},
                             {"D", d},
                             {"X1X2", TermFactor::CrossProduct(1, 2)}}));

    model.FillVariableList(3, list, names);  // x2 itself cannot join a product
    EXPECT_EQ(list.back(), (ChoiceItem<TermFactor>{"D", d}));

    model.m_aTerms[2].transform = Log;  // x1 = log(B): no longer a factor
    model.FillVariableList(4, list, names);
    EXPECT_EQ(list.back(), (ChoiceItem<TermFactor>{"D", d}));
}

TEST(EquationModel, TransformChoicesDependOnTheEntry) {
    using Choices = ChoiceList<Transform>;
    EquationModel model = MakeModel({Var(0), kOne, Var(1), Product(1, 2)});
    Choices list;
    model.FillTransformList(0, list);
    EXPECT_EQ(list,
              (Choices{{"(None)", None}, {"sqrt(y)", Sqrt}, {"log(y)", Log}, {"1/y", Reciprocal}}));
    model.FillTransformList(2, list);
    EXPECT_EQ(list, (Choices{{"(None)", None},
                             {"sqrt(x)", Sqrt},
                             {"log(x)", Log},
                             {"1/x", Reciprocal},
                             {"1/x^2", ReciprocalSquare},
                             {"e^-x", ExpNeg},
                             {"x^2", Transform::Power(2)},
                             {"x^3", Transform::Power(3)},
                             {"x^4", Transform::Power(4)},
                             {"x^5", Transform::Power(5)},
                             {"x^6", Transform::Power(6)}}));
    for (int entry : {1, 3}) {  // the constant and a cross product carry no transform
        model.FillTransformList(entry, list);
        EXPECT_TRUE(list.empty()) << entry;
    }
}

TEST(EquationModel, BackTransformByTheTransformOfY) {
    struct Case {
        Transform yTransform;
        std::vector<double> in;
        int result;
        std::vector<double> out;
        size_t messages;
    };
    const std::vector<Case> cases = {
        {None, {2.0, -3.0}, 0, {2.0, -3.0}, 0},
        {Sqrt, {2.0, -3.0}, 0, {4.0, 9.0}, 0},
        {Log, {0.0, 1.0}, 0, {1.0, std::exp(1.0)}, 0},
        {Reciprocal, {4.0, -0.5}, 0, {0.25, -2.0}, 0},
        // the reciprocal of 0 fails; the element before it is already converted
        {Reciprocal, {4.0, 0.0, 2.0}, 1, {0.25, std::numeric_limits<double>::infinity(), 2.0}, 1},
        // exp(800) overflows: the hook's message, then the transform's
        {Log, {1.0, 800.0}, 1, {std::exp(1.0), std::numeric_limits<double>::infinity()}, 2},
    };
    for (const Case& c : cases) {
        Diagnostics said;
        EquationModel model = MakeModel({Var(0, c.yTransform), kOne, Var(1)});
        Matrix v(static_cast<uint32_t>(c.in.size()), 1);
        for (uint32_t i = 0; i < v.Rows(); ++i) v.At(i, 0) = c.in[i];
        EXPECT_EQ(model.BackTransform(v, said), c.result);
        for (uint32_t i = 0; i < v.Rows(); ++i) EXPECT_DOUBLE_EQ(v.At(i, 0), c.out[i]);
        EXPECT_EQ(said.Items().size(), c.messages);
        if (c.result) {
            EXPECT_EQ(said.Items().back(), Msg(ids::kTransformUnsuitable, Icon::Stop));
        }
    }
    Diagnostics said;
    EquationModel model = MakeModel({Var(0, Reciprocal), kOne, Var(1)});
    double value = 7.0;
    EXPECT_EQ(model.BackTransformValue(0.0, value, said), 1);
    EXPECT_EQ(value, 7.0);
    EXPECT_EQ(model.BackTransformValue(0.5, value, said), 0);
    EXPECT_EQ(value, 2.0);
}

TEST(EquationModel, TermNames) {
    const std::vector<std::string> names = {"Y", "A", "LongName12", "Rate"};
    EquationModel model =
        MakeModel({Var(0, Log), kOne, Var(1, Sqrt), Var(1, Reciprocal), Var(3, ReciprocalSquare),
                   Var(1, ExpNeg), Var(2, Transform::Power(4)), Var(2), Var(3), Product(6, 7)});
    const std::vector<std::string> expected = {
        "log(Y)",       "",           "sqrt(A)", "/A",           "/Rate^2", "e^-A",
        "LongName12^4", "LongName12", "Rate",    "LongName*Rate"};
    for (int entry = 0; entry < 10; ++entry) {
        if (entry == 1) continue;  // the constant has no name
        EXPECT_EQ(model.TermName(entry, names), expected[entry]) << entry;
    }
    EquationModel reciprocalY = MakeModel({Var(0, Reciprocal), kOne, Var(3)});
    EXPECT_EQ(reciprocalY.TermName(0, names), "1/Y");
    EquationModel squareY = MakeModel({Var(3, Sqrt), kOne, Var(1)});
    EXPECT_EQ(squareY.TermName(0, names), "sqrt(Rate)");
}

}  // namespace
}  // namespace lumox
