// Statement texts of the session module: the client cursor that every
// per-client job walks and the product version lookup. The texts are run as
// they stand; ":bN" are bind variables, bound in order of appearance. A
// single-row text keeps its "into :b0:b1" host-variable list, which the
// database layer strips before it runs the query.
#ifndef SSTRXK_DB_DB_STATEMENTS_H_
#define SSTRXK_DB_DB_STATEMENTS_H_

namespace stmt {

// SQLOpenVls112Mnd: the clients that take part in per-client jobs.
inline constexpr char kVls112Mnd[] =
    "select MNDLIZ ,MNDNUM ,MNDSCH ,MNDSTO from vlsystem.vls112mnd where (MNDKON=0 and MNDSCH "
    "is not null )";

// SQLGetProductVersion: highest licence version; :b2 the product pattern.
inline constexpr char kProductVersion[] =
    "select max( coalesce (LIZVER,'00.00')) into :b0:b1 from VLSYSTEM.VLS110LIZ where LIZPRD "
    "like :b2";

}  // namespace stmt

#endif  // SSTRXK_DB_DB_STATEMENTS_H_
