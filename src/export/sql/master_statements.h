// Statement texts of the personnel master-data exports (MND, IDN, KST, FTG,
// MST, MDT, FCD). A "%s" followed by a dot stands for the client's schema
// name and is filled in with CurrentSchema before the text is prepared;
// ":bN" are bind variables, bound in order of appearance. The unqualified
// single-row lookups read the session's current schema, which the client
// loop has switched to the client.
#ifndef SSTRXK_EXPORT_SQL_MASTER_STATEMENTS_H_
#define SSTRXK_EXPORT_SQL_MASTER_STATEMENTS_H_

namespace stmt {

// SQLOpen112Mnd: every row of the client table.
inline constexpr char k112Mnd[] =
    "select distinct MNDLIZ Mnd_Lizenz ,MNDNUM Mnd_Nr ,MNDNA1 Mnd_Bezeichnung ,MNDSTA "
    "Mnd_Status ,to_char(MNDDAT,'yyyymmddhh24miss') Aenderungsdatum ,MNDERF Aenderung_durch "
    "from VLSYSTEM.VLS112MND order by Mnd_Nr";

// SQLOpenIDS: badges valid today of client :b0 with their holders.
inline constexpr char kIDS[] =
    "SELECT distinct aswnum, awvsto, to_char(aswgvo,'yyyymmdd'), to_char(aswgbi,'yyyymmdd'), "
    "aswpnr, pnrnam, pnrspr, aswbkl, aswpin, awvcod, aswgrp, aswliz, aswmnd, aswatp, aswaan, "
    "pnrmta, pnrsal, aswsta, to_char(aswdat,'yyyymmddhh24miss'), aswerf FROM "
    "vlsystem.vls301asw, vlsystem.vls113awv, %s.vls300pnr WHERE aswnum = awvnum AND aswpnr = "
    "pnrnum AND aswmnd = :b0 AND aswgvo <= trunc(sysdate) AND (aswgbi is null or aswgbi >= "
    "trunc(sysdate))";

// SQLOpenIDS_Sel: badge :b0 of client :b1, when valid today.
inline constexpr char kIDS_Sel[] =
    "SELECT distinct aswnum, awvsto, to_char(aswgvo,'yyyymmdd'), to_char(aswgbi,'yyyymmdd'), "
    "aswpnr, pnrnam, pnrspr, aswbkl, aswpin, awvcod, aswgrp, aswliz, aswmnd, aswatp, aswaan, "
    "pnrmta, pnrsal, aswsta, to_char(aswdat,'yyyymmddhh24miss'), aswerf FROM "
    "vlsystem.vls301asw, vlsystem.vls113awv, %s.vls300pnr WHERE awvnum = :b0 AND aswnum = "
    "awvnum AND aswpnr = pnrnum AND aswmnd = :b1 AND aswgvo <= trunc(sysdate) AND (aswgbi is "
    "null or aswgbi >= trunc(sysdate))";

// SQLFetchIDS, SQLFetchIDS_Sel: BSVMAP of holder :b2, current row.
inline constexpr char kBsvMap[] =
    "select coalesce (BSVMAP,0) into :b0:b1 from Vls310Bsv where ((BsvPnr=:b2 and "
    "BsvGvo<=trunc(SYSDATE)) and (BsvGbi>=trunc(SYSDATE) or BsvGbi is null ))";

// SQLReadKst: cost centre of person :b2.
inline constexpr char kReadKst[] =
    "select PstZuoKst into :b0:b1 from PERSONALSTAMM where PstPnrNum=:b2";

// SQLReadKstKal: cost centre and calendar of person :b4.
inline constexpr char kReadKstKal[] =
    "select PstZuoKst ,PstBsvKal into :b0:b1,:b2:b3 from PERSONALSTAMM where PstPnrNum=:b4";

// SQL_Open_Kst: cost centres not in status 4 or 8.
inline constexpr char kKst[] =
    "SELECT KstNum, KstTxt, KstErf, KstApz FROM %s.O1003KstStelle WHERE (KstSta <> 4 AND "
    "KstSta <> 8) OR KstSta IS NULL ORDER BY KstNum";

// SQLOpenFtg: holidays from last year on for every terminal.
inline constexpr char kFtg[] =
    "SELECT DISTINCT ZLSTRM, to_char(KA2DTM,'YYYY') as Jahr, to_char(KA2DTM,'YYYYMMDD') as "
    "Datum, TT2TXT, TT2KRT, KA2NUM, KA2TTP, TRMSPR FROM %s.VLS133KA2, VLSYSTEM.VLS401zls, "
    "VLSYSTEM.VLS402zko, %s.VLS132TT2, VLSYSTEM.VLS1140TRM WHERE ZLSZKO = ZKONUM AND "
    "TO_CHAR(KA2DTM,'YYYY') >= TO_CHAR(SYSDATE,'YYYY') - 1 AND KA2TTP = TT2NUM AND TT2FTG = 1 "
    "AND TRMNAM = ZLSTRM ORDER BY ZLSTRM, DATUM, KA2NUM";

// SQLReadDi2Txt: dictionary text of key :b0, field :b1, language :b2.
inline constexpr char kDi2Txt[] =
    "SELECT DI2TXT FROM %s.VLS122DI2 WHERE DI2KEY = :b0 AND DI2FNA = :b1 AND DI2SPR = :b2";

// The month window of the status and detail cursors starts at midnight of
// the first day of the month fifteen months back: with CURRENT_DATE itself
// the bound would carry the time of day of the run, and an entry ending on
// that first day (stored at midnight) would fall out of the window.

// SQLOpenMst: status entries; :b0 the client number for the substitute badge.
inline constexpr char kMst[] =
    "SELECT DISTINCT COALESCE(AswNum, :b0 || '_' || PnrNum) as AswNum, BvfGen as Status, "
    "TO_CHAR(BvfVon, 'DD.MM.YYYY') || ' - ' || TO_CHAR(BvfBis, 'DD.MM.YYYY') as VonBis, "
    "FcdTxt, ' ' as Statusbesch, FcdKrt, BvfKst, TO_CHAR(BvfVon, 'yyyymmdd') as Von, ZuoAbt, "
    "TO_CHAR(BvfUh1, 'HH24MI') as BvfUh1, FcdNum FROM %s.vls382bvf,%s.vls131fcd,%s.vls311zuo, "
    "%s.vls300pnr LEFT JOIN vlsystem.vls301asw ON PnrNum = AswPnr AND AswGvo <= "
    "trunc(CURRENT_DATE) AND (AswGbi >= trunc(CURRENT_DATE) OR AswGbi is NULL) WHERE BvfPnr = "
    "PnrNum AND BvfFc1 = FcdNum AND BvfBis >= last_day(add_months(trunc(CURRENT_DATE), -16)) + 1 "
    "AND BvfGen < 16 AND FcdMap = 1 AND PnrNum = ZuoPnr AND ZuoGvo <= BvfVon AND (ZuoGbi IS NULL "
    "OR ZuoGbi >= BvfVon) ORDER by AswNum, Von";

// SQLOpenMdt: status entries broken down to the days with target time.
inline constexpr char kMdt[] =
    "SELECT DISTINCT TO_CHAR(BakDtm, 'dd.mm.yyyy') as Datum, AswNum, FcdTxt, ' ', BvfGen, "
    "FcdKrt, FcdNum FROM %s.Vls382Bvf, VLSYSTEM.Vls301Asw, %s.Vls131Fcd, VLSYSTEM.Vls133Bak "
    "WHERE AswGvo <= trunc(CURRENT_DATE) AND (AswGbi >= trunc(CURRENT_DATE) OR AswGbi is "
    "null) AND AswPnr = BvfPnr AND BvfGen in (2,3,5,7,9,10) AND BvfBis >= "
    "last_day(add_months(trunc(CURRENT_DATE), -16)) + 1 AND BvfFc1 = FcdNum AND BakDtm >= BvfVon and "
    "BakDtm <= BvfBis AND FcdKrt is not null and Fcdkrt > ' ' AND EXISTS (select ztgvon from "
    "%s.Vls329Ztg, %s.Vls140Azv where ztgpnr = bvfpnr and ztgvon = bakdtm and ztgazt = azvnum "
    "and azvgvo <= ztgvon and (azvgbi is null or azvgbi >= ztgvon) and azvsol > 0) ORDER BY "
    "AswNum, Datum";

// SQLOpenFcd: function codes marked for the terminals.
inline constexpr char kFcd[] =
    "SELECT FcdNum, FcdKrt, FcdTxt, FcdTyp, FcdFcd FROM %s.Vls131Fcd WHERE FcdMap = 1 ORDER "
    "BY FcdNum";

}  // namespace stmt

#endif  // SSTRXK_EXPORT_SQL_MASTER_STATEMENTS_H_
