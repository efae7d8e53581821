// Schema names in statement texts.
#include "export/sql/schema_statement.h"

#include <gtest/gtest.h>

#include "db/sql_runtime.h"

namespace {

TEST(SchemaStatement, EveryPlaceholderGetsTheSchema) {
  std::string s;
  EXPECT_EQ(BuildSchemaStatement("select a from %s.t, %s.u where k = :b0", "MANDANT1", s), 0);
  EXPECT_EQ(s, "select a from MANDANT1.t, MANDANT1.u where k = :b0");
  EXPECT_EQ(BuildSchemaStatement("select 1", "M", s), 0);
  EXPECT_EQ(s, "select 1");
}

TEST(SchemaStatement, NamesThatAreNoIdentifiersAreRefused) {
  std::string s = "old";
  for (const char* bad : {"", "M1 x", "M1.T", "M1'--", "1M"}) {
    EXPECT_EQ(BuildSchemaStatement("select a from %s.t", bad, s), sql::kInvalidName) << bad;
    EXPECT_EQ(s, "");
  }
}

}  // namespace
