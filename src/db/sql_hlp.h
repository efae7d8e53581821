// SQLHlp: the database session of a run. It reads the credentials from the
// product's configuration file, connects, sets the session's schema, brings
// the session back after database errors and reads the product version.
#ifndef SSTRXK_DB_SQL_HLP_H_
#define SSTRXK_DB_SQL_HLP_H_

// The system schema every session starts in.
inline constexpr char kSystemSchema[] = "VLSYSTEM";

// Reads "NET8", "LOGIN" and "PASS" from the configuration file and opens the
// session in VLSYSTEM. 0 on success, else the failing statement's status
// (logged as "Datenbankverbindung fehlgeschlagen, Fehler: %d").
int dbConnect();

// CONNECT "user/password@alias", then switch to `schema`. 0 or the status
// of the failing statement.
int dbOpenSession(const char* user, const char* password, const char* alias, const char* schema);

// ALTER SESSION SET CURRENT_SCHEMA=name; returns its status. A name that is
// no identifier never reaches a statement text: -903.
int dbSetSchema(const char* name);

// Up to five tries, a minute apart, to open the session again with the
// credentials dbConnect read. 1 when it is back, 0 when it gave up.
int dbReconnect();

// Releases nothing: the session ends with the process. Returns 0.
int dbDisconnect();

// Reads the highest LIZVER of the licence rows whose LIZPRD matches
// `pattern` into `version` (0.0 when there is none). Returns the status.
long SQLGetProductVersion(const char* pattern, double& version);

#endif  // SSTRXK_DB_SQL_HLP_H_
