// Statement texts of the balance export: the badge cursor and the five value
// sources. A "%s" followed by a dot stands for the client's schema name and
// is filled in with CurrentSchema; ":bN" are bind variables (client number,
// person number), bound in order of appearance.
#ifndef SSTRXK_EXPORT_SQL_BALANCE_STATEMENTS_H_
#define SSTRXK_EXPORT_SQL_BALANCE_STATEMENTS_H_

namespace stmt {

// SQLOpenSald: badges valid today of client :b0.
inline constexpr char kSald[] =
    "SELECT DISTINCT ASWNUM, AWVSTO , ASWLIZ, ASWMND, ASWPNR FROM VLSYSTEM.VLS301ASW, "
    "VLSYSTEM.VLS113AWV, %s.VLS300PNR WHERE aswnum = awvnum AND aswmnd = :b0 AND aswpnr = "
    "pnrnum AND ((to_date(sysdate) >= aswGVO AND ASWGBI is null) OR (to_date(sysdate) <= "
    "aswgbi AND aswGvo is null) OR (to_date(sysdate) >= aswgvo AND to_date(sysdate)<= "
    "aswgbi))";

// SQLGetUrlaubsvortraege: vacation carry-over of person :b0, this year.
inline constexpr char kUrlaubsvortraege[] =
    "SELECT COALESCE(urvvjr, 0.0), COALESCE(urvgur, 0.0), COALESCE(urvgur, 0.0) - "
    "COALESCE(urvvjr, 0.0) + COALESCE(urvvtg, 0.0) FROM %s.vls332urv WHERE urvpnr = :b0 AND "
    "to_char(sysdate,'YYYY') = urvjhr";

// SQLGetUrlaubstage: latest vacation days before now; :b0 and :b1 the person.
inline constexpr char kUrlaubstage[] =
    "SELECT utggut, utgvtg, utgrtg FROM %s.vls332utg WHERE utgdtm = (SELECT max(utgdtm) FROM "
    "%s.vls332utg WHERE UTGDTM < sysdate AND UTGPNR= :b0) AND UTGPNR = :b1";

// SQLGetSchichtfreizeit, first query: yesterday's shift time-off of person :b0.
inline constexpr char kSchichtfreizeit[] =
    "SELECT sfzans, sfzgen, sfzrst, sfzvpl, sfzant FROM %s.vls332sfz WHERE sfzdtm = "
    "to_date(trunc(sysdate) - 1) AND sfzpnr = :b0";

// SQLGetSchichtfreizeit, second query: yearly value of person :b0.
inline constexpr char kSchichtfreizeitJahr[] =
    "SELECT sfvvtg FROM %s.vls332sfv WHERE sfvpnr = :b0 AND sfvjhr = to_char(sysdate-1, "
    "'yyyy')";

// SQLGetSaldenwerte: balance sums of the last day before today; :b0, :b1 the person.
inline constexpr char kSaldenwerte[] =
    "SELECT to_char(tgbdtm,'yyyymmdd'), (tgbsa1 + tgbvt1), (tgbsa2 + tgbvt2), (tgbsa3 + "
    "tgbvt3), (tgbsa4 + tgbvt4), (tgbsa5 + tgbvt5), (tgbsa6 + tgbvt6), (tgbsa7 + tgbvt7) FROM "
    "%s.vls320tgb WHERE tgbztr = 1 AND tgbpnr = :b0 AND tgbdtm = (SELECT max(tgbdtm) FROM "
    "%s.vls320tgb WHERE tgbDTM < trunc(sysdate) AND tgbpnr = :b1 AND tgbztr = 1 )";

// SQLGetAmpelkonto: traffic-light value of the last day before today; :b0, :b1 the person.
inline constexpr char kAmpelkonto[] =
    "SELECT TagAkp FROM %s.Vls327Tag WHERE TagPnr = :b0 AND TagTag = (SELECT max(TagTAg) FROM "
    "%s.Vls327Tag WHERE TagPnr = :b1 AND TagTag < trunc(sysdate))";

}  // namespace stmt

#endif  // SSTRXK_EXPORT_SQL_BALANCE_STATEMENTS_H_
