// Statement texts that name the current client's schema. Schema names cannot
// be bound, so they are the one thing put into a text; every other value is
// bound. A schema name that is no identifier never reaches a text.
#ifndef SSTRXK_EXPORT_SQL_SCHEMA_STATEMENT_H_
#define SSTRXK_EXPORT_SQL_SCHEMA_STATEMENT_H_

#include <string>

// Puts `schema` in place of every "%s" of `text` into `statement`. Returns 0,
// or -903 (sql::kInvalidName) when `schema` is no identifier.
long BuildSchemaStatement(const char* text, const char* schema, std::string& statement);

// The same with CurrentSchema.
long BuildCurrentSchemaStatement(const char* text, std::string& statement);

#endif  // SSTRXK_EXPORT_SQL_SCHEMA_STATEMENT_H_
