// Statement texts that name a schema (see schema_statement.h).
#include "export/sql/schema_statement.h"

#include <string_view>

#include "db/sql_runtime.h"
#include "runctl/run_state.h"

long BuildSchemaStatement(const char* text, const char* schema, std::string& statement) {
  statement.clear();
  if (!sql::IsSchemaName(schema)) return sql::kInvalidName;
  std::string_view rest(text);
  for (std::size_t at; (at = rest.find("%s")) != std::string_view::npos; rest.remove_prefix(at + 2)) {
    statement.append(rest.substr(0, at));
    statement.append(schema);
  }
  statement.append(rest);
  return sql::kOk;
}

long BuildCurrentSchemaStatement(const char* text, std::string& statement) {
  return BuildSchemaStatement(text, CurrentSchema.c_str(), statement);
}
