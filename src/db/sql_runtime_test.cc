// The host-variable rules of the SQL runtime, over a scripted backend.
#include "db/sql_runtime.h"

#include <gtest/gtest.h>

#include "db/fake_backend.h"

namespace sql {
namespace {

constexpr char kQuery[] = "select a, b from t";

class SqlRuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetConnectorForTesting([this](std::string_view alias, std::unique_ptr<Backend>& out) -> long {
      last_alias = std::string(alias);
      auto fake = std::make_unique<FakeBackend>();
      backend = fake.get();
      out = std::move(fake);
      return kOk;
    });
    ASSERT_EQ(Connect("user/pw@alias"), kOk);
  }
  void TearDown() override { SetConnectorForTesting(nullptr); }

  // Fetches the single row {v} of a one-column query into `outputs`.
  long FetchOne(Value v, std::initializer_list<Out> outputs) {
    backend->queries[kQuery].rows = {{std::move(v)}};
    Cursor c;
    EXPECT_EQ(Open(c, kQuery), kOk);
    return Fetch(c, outputs);
  }

  FakeBackend* backend = nullptr;
  std::string last_alias;
};

TEST_F(SqlRuntimeTest, ConnectTakesTheAliasAfterTheLastAt) {
  ASSERT_EQ(Connect("scott/p@ss@sqlite:../db"), kOk);
  EXPECT_EQ(last_alias, "sqlite:../db");
  ASSERT_EQ(Connect("/@"), kOk);
  EXPECT_EQ(last_alias, "");
}

TEST_F(SqlRuntimeTest, TextsAreCutToCapacityMinusOneAndNotPadded) {
  FixedText<6> text;
  std::int16_t ind = 5;
  EXPECT_EQ(FetchOne(Value::Text("abcdefgh"), {Text(text, &ind)}), kOk);
  EXPECT_EQ(text.view(), "abcde");
  EXPECT_EQ(ind, 8);  // the indicator tells the length before cutting
  EXPECT_EQ(FetchOne(Value::Text("ab"), {Text(text, &ind)}), kOk);
  EXPECT_EQ(text.view(), "ab");
  EXPECT_EQ(ind, 0);
}

TEST_F(SqlRuntimeTest, NumbersArriveInTextsAsOraclePrintsThem) {
  struct Case {
    Value value;
    const char* text;
  } cases[] = {
      {Value::Int(3), "3"},         {Value::Real(3.0), "3"},    {Value::Real(-12.0), "-12"},
      {Value::Real(0.5), ".5"},     {Value::Real(-0.25), "-.25"}, {Value::Real(1.75), "1.75"},
      {Value::Int(-7), "-7"},
  };
  for (const Case& c : cases) {
    FixedText<20> text;
    EXPECT_EQ(FetchOne(c.value, {Text(text)}), kOk);
    EXPECT_EQ(text.view(), c.text);
  }
}

TEST_F(SqlRuntimeTest, NullLeavesTargetAndReportsOnlyWithoutIndicator) {
  FixedText<10> with;
  FixedText<10> without;
  with.Assign("keep");
  without.Assign("keep2");
  std::int16_t ind = 0;
  backend->queries[kQuery].rows = {{Value::Null(), Value::Null()}};
  Cursor c;
  ASSERT_EQ(Open(c, kQuery), kOk);
  EXPECT_EQ(Fetch(c, {Text(with, &ind), TextWithoutIndicator(without)}), kNullFetched);
  EXPECT_EQ(with.view(), "keep");
  EXPECT_EQ(without.view(), "keep2");
  EXPECT_EQ(ind, -1);

  // A NULL without indicator still delivers the other columns.
  backend->queries[kQuery].rows = {{Value::Null(), Value::Text("x")}};
  ASSERT_EQ(Open(c, kQuery), kOk);
  FixedText<10> second;
  EXPECT_EQ(Fetch(c, {TextWithoutIndicator(without), Text(second)}), kNullFetched);
  EXPECT_EQ(second.view(), "x");
}

TEST_F(SqlRuntimeTest, NumericOutputsConvertAndCheckRange) {
  std::int32_t i32 = 0;
  std::int16_t i16 = 0;
  double d = 0;
  EXPECT_EQ(FetchOne(Value::Real(2.9), {Int32(i32)}), kOk);
  EXPECT_EQ(i32, 2);
  EXPECT_EQ(FetchOne(Value::Text(" 42 "), {Int32(i32)}), kOk);
  EXPECT_EQ(i32, 42);
  EXPECT_EQ(FetchOne(Value::Text("4x"), {Int32(i32)}), kInvalidNumber);
  EXPECT_EQ(FetchOne(Value::Int(40000), {Int16(i16)}), kNumberOverflow);
  EXPECT_EQ(FetchOne(Value::Int(-32768), {Int16(i16)}), kOk);
  EXPECT_EQ(i16, -32768);
  EXPECT_EQ(FetchOne(Value::Text("12.5"), {Double(d)}), kOk);
  EXPECT_DOUBLE_EQ(d, 12.5);
}

TEST_F(SqlRuntimeTest, FetchPassesStatusesAndFoldingFoldsThem) {
  backend->queries[kQuery].rows = {{Value::Text("a")}};
  Cursor c;
  FixedText<4> t;
  ASSERT_EQ(Open(c, kQuery), kOk);
  EXPECT_EQ(Fetch(c, {Text(t)}), kOk);
  EXPECT_EQ(Fetch(c, {Text(t)}), kNoData);
  EXPECT_EQ(Fetch(c, {Text(t)}), kFetchOutOfSequence);
  EXPECT_EQ(Fetch(c, {Text(t), Text(t)}), kFetchOutOfSequence);

  struct Fold {
    long in, out;
  } folds[] = {{0, 0}, {-1405, 0}, {1403, 1403}, {-1002, 1403}, {-942, -942}, {-20001, -20001}};
  for (const Fold& f : folds) EXPECT_EQ(FoldFetch(f.in), f.out) << f.in;
}

TEST_F(SqlRuntimeTest, MoreOutputsThanColumnsIsAnError) {
  FixedText<4> a, b;
  EXPECT_EQ(FetchOne(Value::Text("a"), {Text(a), Text(b)}), kNotAllBound);
}

TEST_F(SqlRuntimeTest, SelectIntoPassesBindsAndRowCounts) {
  constexpr char kOne[] = "select x into :b0:b1 from t where k=:b2";
  FixedText<8> out;
  EXPECT_EQ(SelectInto(kOne, {In("k1")}, {Text(out)}), kTableNotFound);
  backend->queries[kOne].rows = {};
  EXPECT_EQ(SelectInto(kOne, {In("k1")}, {Text(out)}), kNoData);
  backend->queries[kOne].rows = {{Value::Text("v")}, {Value::Text("w")}};
  EXPECT_EQ(SelectInto(kOne, {In("k1")}, {Text(out)}), kTooManyRows);
  backend->queries[kOne].rows = {{Value::Text("v")}};
  EXPECT_EQ(SelectInto(kOne, {In("k'1"), In(7)}, {Text(out)}), kOk);
  EXPECT_EQ(out.view(), "v");
  ASSERT_EQ(backend->bound.back().size(), 2u);
  EXPECT_EQ(backend->bound.back()[0].text, "k'1");
  EXPECT_EQ(backend->bound.back()[1].i, 7);
}

TEST(SqlRuntimeNoSession, EverythingFailsWithoutConnection) {
  SetConnectorForTesting([](std::string_view, std::unique_ptr<Backend>&) -> long { return kDatabaseNotFound; });
  EXPECT_EQ(Connect("a/b@c"), kDatabaseNotFound);
  Cursor c;
  FixedText<4> t;
  EXPECT_EQ(Execute("ALTER SESSION SET CURRENT_SCHEMA=X"), kNotConnected);
  EXPECT_EQ(Open(c, "select 1"), kNotConnected);
  EXPECT_EQ(Fetch(c, {Text(t)}), kNotConnected);
  SetConnectorForTesting(nullptr);
}

TEST(SqlRuntimeConnect, OtherAliasesAreReservedForOracle) {
  SetConnectorForTesting(nullptr);
  EXPECT_EQ(Connect("scott/tiger@ORCL"), kDatabaseNotFound);
  EXPECT_EQ(Connect("/@"), kDatabaseNotFound);
}

TEST(SchemaName, OnlyIdentifiers) {
  struct Case {
    const char* name;
    bool ok;
  } cases[] = {{"VLSYSTEM", true}, {"mandant_1", true}, {"M$X#1", true}, {"", false},
               {"1ABC", false},   {"A B", false},      {"A;DROP", false}, {"A.B", false},
               {"_X", false},     {"X'", false}};
  for (const Case& c : cases) EXPECT_EQ(IsSchemaName(c.name), c.ok) << c.name;
}

}  // namespace
}  // namespace sql
