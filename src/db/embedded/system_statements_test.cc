// Every statement text of the exporter runs on the embedded database: each
// one is prepared, bound and fetched from on schema files that hold the
// tables it reads, and a few results are checked where the rewriting
// matters (number formats, division, concatenation, dates).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/embedded/embedded_backend.h"
#include "db/embedded/fixed_date_for_test.h"
#include "db/embedded/oracle_functions.h"
#include "db/embedded/schema_directory_for_test.h"

namespace embedded {
namespace {

using sql::Value;

struct Statement {
  bool single_row;  // SELECT ... INTO
  int binds;        // input values
  const char* sql;  // schema MANDANT1 pasted in, values as bind variables
};

const Statement kStatements[] = {
    {true, 1,
       "select max( coalesce (LIZVER,'00.00')) into :b0:b1 from VLSYSTEM.VLS110LIZ where LIZPRD like :b2"},
    {false, 0,
       "select MNDLIZ ,MNDNUM ,MNDSCH ,MNDSTO from vlsystem.vls112mnd where (MNDKON=0 and MNDSCH is not"
       " null )"},
    {false, 0,
       "select distinct ZLSTRM Terminal ,trim(to_char(ZLSLES,'09')) Leser ,BAKWTG TagNr from"
       " VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR ,VLSYSTEM.VLS402ZUZ ,VLSYSTEM.VLS133KAL"
       " ,VLSYSTEM.VLS133BAK where ((((((((((ZLSZKO=ZKONUM and ((ZLSTFR is not null and ZLSTFR=ZBRZBK) or"
       " (ZLSTFR is null and ZKOTFS=ZBRZBK))) and ZKOKAL=KALNUM) and ZBRZZZ=ZUZNUM) and"
       " KALDTM>=to_date(SYSDATE)) and KALDTM<=to_date((SYSDATE+6))) and KALDTM=BAKDTM) and ((ZLSSTA<>4 and"
       " ZLSSTA<>8) or ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA is null )) and"
       " ((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null )) and ((ZUZSTA<>4 and ZUZSTA<>8) or ZUZSTA is null"
       " )) order by Terminal,Leser,TagNr"},
    {false, 1,
       "select distinct ZLSTRM Terminal ,trim(to_char(ZLSLES,'09')) Leser ,BAKWTG TagNr from"
       " VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR ,VLSYSTEM.VLS402ZUZ ,VLSYSTEM.VLS133KAL"
       " ,VLSYSTEM.VLS133BAK where (((((((((((ZKONUM=:b0 and ZLSZKO=ZKONUM) and ((ZLSTFR is not null and"
       " ZLSTFR=ZBRZBK) or (ZLSTFR is null and ZKOTFS=ZBRZBK))) and ZKOKAL=KALNUM) and ZBRZZZ=ZUZNUM) and"
       " KALDTM>=to_date(SYSDATE)) and KALDTM<=to_date((SYSDATE+6))) and KALDTM=BAKDTM) and ((ZLSSTA<>4 and"
       " ZLSSTA<>8) or ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA is null )) and"
       " ((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null )) and ((ZUZSTA<>4 and ZUZSTA<>8) or ZUZSTA is null"
       " )) order by Terminal,Leser,TagNr"},
    {false, 3,
       "select distinct ZBRZZZ from VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR"
       " ,VLSYSTEM.VLS402ZUZ ,VLSYSTEM.VLS133KAL ,VLSYSTEM.VLS133BAK where ((((((((((((((ZLSTRM=:b0 and"
       " ZLSLES=:b1) and ((ZLSTFR is not null and ZBRZBK=ZLSTFR) or (ZLSTFR is null and ZKOTFS=ZBRZBK)))"
       " and ZLSZKO=ZKONUM) and ZBRTTP=KALTTP) and ZKOKAL=KALNUM) and ZBRZZZ=ZUZNUM) and"
       " KALDTM>=to_date(SYSDATE)) and KALDTM<=to_date((SYSDATE+6))) and KALDTM=BAKDTM) and ((ZLSSTA<>4 and"
       " ZLSSTA<>8) or ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA is null )) and"
       " ((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null )) and ((ZUZSTA<>4 and ZUZSTA<>8) or ZUZSTA is null"
       " )) and bakwtg=:b2)"},
    {false, 1,
       "select trim(to_char(((TRUNC((ZUZVON/60))* 100)+MOD(ZUZVON,60)),'0000')) Offen_Von"
       " ,trim(to_char(((TRUNC((ZUZBIS/60))* 100)+MOD(ZUZBIS,60)),'0000')) Offen_Bis from"
       " VLSYSTEM.VLS402ZUZ where ZUZNUM=:b0"},
    {false, 0,
       "select distinct ZLSTRM Terminalname ,'001' Firma ,ZBRZBK Berechtigungsklasse"
       " ,trim(to_char(ZLSLES,'09')) Leser ,trim(to_char(ZLSLES,'09')) WocheLeser ,ZBRZBK Wochenplan"
       " ,ZLSZKO Kontrollbereich ,ZBRZZZ Zeitzone , coalesce (ZBRZTB,0) Zeitbuchung_erlaubt from"
       " VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR where ((((ZLSZKO=ZKONUM and"
       " ZLSZKO=ZBRZKO) and ((ZLSSTA<>4 and ZLSSTA<>8) or ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8)"
       " or ZKOSTA is null )) and ((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null )) order by"
       " Terminalname,Firma,Berechtigungsklasse,Leser"},
    {false, 1,
       "select distinct ZLSTRM Terminalname ,'001' Firma ,ZBRZBK Berechtigungsklasse"
       " ,trim(to_char(ZLSLES,'09')) Leser ,trim(to_char(ZLSLES,'09')) WocheLeser ,ZBRZBK Wochenplan"
       " ,ZLSZKO Kontrollbereich ,ZBRZZZ Zeitzone , coalesce (ZBRZTB,0) Zeitbuchung_erlaubt from"
       " VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR where (((((ZKONUM=:b0 and"
       " ZLSZKO=ZKONUM) and ZLSZKO=ZBRZKO) and ((ZLSSTA<>4 and ZLSSTA<>8) or ZLSSTA is null )) and"
       " ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA is null )) and ((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null"
       " )) order by Terminalname,Firma,Berechtigungsklasse,Leser"},
    {false, 0,
       "select distinct ZLSTRM Terminalname ,'001' Firma ,ZBRZBK Zeitplan ,trim(to_char(ZLSLES,'09'))"
       " Wochennummer ,ZBRZZZ Zeitzone ,BAKWTG Tagnr ,trim(to_char(((TRUNC((ZUZVON/60),0)*"
       " 100)+MOD(ZUZVON,60)),'0000')) Uhrzeit_Von ,trim(to_char(((TRUNC((ZUZBIS/60),0)*"
       " 100)+MOD(ZUZBIS,60)),'0000')) Uhrzeit_Bis from VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO"
       " ,VLSYSTEM.VLS404ZBR ,VLSYSTEM.VLS402ZUZ ,VLSYSTEM.VLS133KAL ,VLSYSTEM.VLS133BAK where"
       " (((((((((((ZLSZKO=ZKONUM and ZLSZKO=ZBRZKO) and ZBRZZZ=ZUZNUM) and ZKOKAL=KALNUM) and"
       " ZBRTTP=KALTTP) and KALDTM>=to_date(SYSDATE)) and KALDTM<=to_date((SYSDATE+6))) and KALDTM=BAKDTM)"
       " and ((ZLSSTA<>4 and ZLSSTA<>8) or ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA is"
       " null )) and ((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null )) and ((ZUZSTA<>4 and ZUZSTA<>8) or"
       " ZUZSTA is null )) order by Terminalname,Firma,Zeitplan,Wochennummer,Tagnr,Uhrzeit_Von"},
    {false, 1,
       "select distinct ZLSTRM Terminalname ,'001' Firma ,ZBRZBK Zeitplan ,trim(to_char(ZLSLES,'09'))"
       " Wochennummer ,ZBRZZZ Zeitzone ,BAKWTG Tagnr ,trim(to_char(((TRUNC((ZUZVON/60),0)*"
       " 100)+MOD(ZUZVON,60)),'0000')) Uhrzeit_Von ,trim(to_char(((TRUNC((ZUZBIS/60),0)*"
       " 100)+MOD(ZUZBIS,60)),'0000')) Uhrzeit_Bis from VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO"
       " ,VLSYSTEM.VLS404ZBR ,VLSYSTEM.VLS402ZUZ ,VLSYSTEM.VLS133KAL ,VLSYSTEM.VLS133BAK where"
       " ((((((((((((ZKONUM=:b0 and ZLSZKO=ZKONUM) and ZLSZKO=ZBRZKO) and ZBRZZZ=ZUZNUM) and ZKOKAL=KALNUM)"
       " and ZBRTTP=KALTTP) and KALDTM>=to_date(SYSDATE)) and KALDTM<=to_date((SYSDATE+6))) and"
       " KALDTM=BAKDTM) and ((ZLSSTA<>4 and ZLSSTA<>8) or ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8)"
       " or ZKOSTA is null )) and ((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null )) and ((ZUZSTA<>4 and"
       " ZUZSTA<>8) or ZUZSTA is null )) order by Terminalname,Firma,Zeitplan,Wochennummer,Tagnr,Uhrzeit_Von"},
    {false, 0,
       "select distinct BKLASW ,BKLBKL ,BKLLIZ ,BKLMND ,BKLSTM from VLSYSTEM.VLS301BKL where"
       " (BKLGVO<=trunc(sysdate) and (BKLGBI>=trunc(sysdate) or BKLGBI is null )) order by BKLASW,BKLBKL"},
    {false, 1,
       "select distinct BKLASW ,BKLBKL ,BKLLIZ ,BKLMND ,BKLSTM from VLSYSTEM.VLS301BKL where ((BKLASW=:b0"
       " and BKLGVO<=trunc(sysdate)) and (BKLGBI>=trunc(sysdate) or BKLGBI is null )) order by BKLASW,BKLBKL"},
    {false, 1,
       "SELECT DnlKey, DnlLfd, DnlMnd, DnlLiz, DnlAsw, DnlKze, DnlKzu, DnlKmp, DnlBkl, DnlSta, DnlErf FROM"
       " VLSYSTEM.VlsAswDnl WHERE DnlKey = :b0 ORDER BY DnlLfd"},
    {false, 1,
       "select distinct zbrzko from vlsystem.vls404zbr where zbrzbk = :b0"},
    {true, 2,
       "select MndSch into :b0:b1 from VLSYSTEM.Vls112Mnd where (MndNum=:b2 and MndLiz=:b3)"},
    {false, 0,
       "select distinct MNDLIZ Mnd_Lizenz ,MNDNUM Mnd_Nr ,MNDNA1 Mnd_Bezeichnung ,MNDSTA Mnd_Status"
       " ,to_char(MNDDAT,'yyyymmddhh24miss') Aenderungsdatum ,MNDERF Aenderung_durch from"
       " VLSYSTEM.VLS112MND order by Mnd_Nr"},
    {false, 1,
       "SELECT distinct aswnum, awvsto, to_char(aswgvo,'yyyymmdd'), to_char(aswgbi,'yyyymmdd'), aswpnr,"
       " pnrnam, pnrspr, aswbkl, aswpin, awvcod, aswgrp, aswliz, aswmnd, aswatp, aswaan, pnrmta, pnrsal,"
       " aswsta, to_char(aswdat,'yyyymmddhh24miss'), aswerf FROM vlsystem.vls301asw, vlsystem.vls113awv,"
       " MANDANT1.vls300pnr WHERE aswnum = awvnum AND aswpnr = pnrnum AND aswmnd = :b0 AND aswgvo <="
       " trunc(sysdate) AND (aswgbi is null or aswgbi >= trunc(sysdate))"},
    {false, 2,
       "SELECT distinct aswnum, awvsto, to_char(aswgvo,'yyyymmdd'), to_char(aswgbi,'yyyymmdd'), aswpnr,"
       " pnrnam, pnrspr, aswbkl, aswpin, awvcod, aswgrp, aswliz, aswmnd, aswatp, aswaan, pnrmta, pnrsal,"
       " aswsta, to_char(aswdat,'yyyymmddhh24miss'), aswerf FROM vlsystem.vls301asw, vlsystem.vls113awv,"
       " MANDANT1.vls300pnr WHERE awvnum = :b0 AND aswnum = awvnum AND aswpnr = pnrnum AND aswmnd = :b1 AND"
       " aswgvo <= trunc(sysdate) AND (aswgbi is null or aswgbi >= trunc(sysdate))"},
    {true, 1,
       "select coalesce (BSVMAP,0) into :b0:b1 from Vls310Bsv where ((BsvPnr=:b2 and"
       " BsvGvo<=trunc(SYSDATE)) and (BsvGbi>=trunc(SYSDATE) or BsvGbi is null ))"},
    {true, 1,
       "select PstZuoKst into :b0:b1 from PERSONALSTAMM where PstPnrNum=:b2"},
    {true, 1,
       "select PstZuoKst ,PstBsvKal into :b0:b1,:b2:b3 from PERSONALSTAMM where PstPnrNum=:b4"},
    {false, 0,
       "SELECT KstNum, KstTxt, KstErf, KstApz FROM MANDANT1.O1003KstStelle WHERE (KstSta <> 4 AND KstSta <>"
       " 8) OR KstSta IS NULL ORDER BY KstNum"},
    {false, 0,
       "SELECT DISTINCT ZLSTRM, to_char(KA2DTM,'YYYY') as Jahr, to_char(KA2DTM,'YYYYMMDD') as Datum,"
       " TT2TXT, TT2KRT, KA2NUM, KA2TTP, TRMSPR FROM MANDANT1.VLS133KA2, VLSYSTEM.VLS401zls,"
       " VLSYSTEM.VLS402zko, MANDANT1.VLS132TT2, VLSYSTEM.VLS1140TRM WHERE ZLSZKO = ZKONUM AND"
       " TO_CHAR(KA2DTM,'YYYY') >= TO_CHAR(SYSDATE,'YYYY') - 1 AND KA2TTP = TT2NUM AND TT2FTG = 1 AND"
       " TRMNAM = ZLSTRM ORDER BY ZLSTRM, DATUM, KA2NUM"},
    {false, 3,
       "SELECT DI2TXT FROM MANDANT1.VLS122DI2 WHERE DI2KEY = :b0 AND DI2FNA = :b1 AND DI2SPR = :b2"},
    {false, 1,
       "SELECT DISTINCT COALESCE(AswNum, :b0 || '_' || PnrNum) as AswNum, BvfGen as Status, TO_CHAR(BvfVon,"
       " 'DD.MM.YYYY') || ' - ' || TO_CHAR(BvfBis, 'DD.MM.YYYY') as VonBis, FcdTxt, ' ' as Statusbesch,"
       " FcdKrt, BvfKst, TO_CHAR(BvfVon, 'yyyymmdd') as Von, ZuoAbt, TO_CHAR(BvfUh1, 'HH24MI') as BvfUh1,"
       " FcdNum FROM MANDANT1.vls382bvf,MANDANT1.vls131fcd,MANDANT1.vls311zuo, MANDANT1.vls300pnr LEFT JOIN"
       " vlsystem.vls301asw ON PnrNum = AswPnr AND AswGvo <= trunc(CURRENT_DATE) AND (AswGbi >="
       " trunc(CURRENT_DATE) OR AswGbi is NULL) WHERE BvfPnr = PnrNum AND BvfFc1 = FcdNum AND BvfBis >="
       " last_day(add_months(CURRENT_DATE, -16)) + 1 AND BvfGen < 16 AND FcdMap = 1 AND PnrNum = ZuoPnr AND"
       " ZuoGvo <= BvfVon AND (ZuoGbi IS NULL OR ZuoGbi >= BvfVon) ORDER by AswNum, Von"},
    {false, 0,
       "SELECT DISTINCT TO_CHAR(BakDtm, 'dd.mm.yyyy') as Datum, AswNum, FcdTxt, ' ', BvfGen, FcdKrt, FcdNum"
       " FROM MANDANT1.Vls382Bvf, VLSYSTEM.Vls301Asw, MANDANT1.Vls131Fcd, VLSYSTEM.Vls133Bak WHERE AswGvo"
       " <= trunc(CURRENT_DATE) AND (AswGbi >= trunc(CURRENT_DATE) OR AswGbi is null) AND AswPnr = BvfPnr"
       " AND BvfGen in (2,3,5,7,9,10) AND BvfBis >= last_day(add_months(CURRENT_DATE, -16)) + 1 AND BvfFc1"
       " = FcdNum AND BakDtm >= BvfVon and BakDtm <= BvfBis AND FcdKrt is not null and Fcdkrt > ' ' AND"
       " EXISTS (select ztgvon from MANDANT1.Vls329Ztg, MANDANT1.Vls140Azv where ztgpnr = bvfpnr and ztgvon"
       " = bakdtm and ztgazt = azvnum and azvgvo <= ztgvon and (azvgbi is null or azvgbi >= ztgvon) and"
       " azvsol > 0) ORDER BY AswNum, Datum"},
    {false, 0,
       "SELECT FcdNum, FcdKrt, FcdTxt, FcdTyp, FcdFcd FROM MANDANT1.Vls131Fcd WHERE FcdMap = 1 ORDER BY"
       " FcdNum"},
    {false, 1,
       "SELECT DISTINCT ASWNUM, AWVSTO , ASWLIZ, ASWMND, ASWPNR FROM VLSYSTEM.VLS301ASW,"
       " VLSYSTEM.VLS113AWV, MANDANT1.VLS300PNR WHERE aswnum = awvnum AND aswmnd = :b0 AND aswpnr = pnrnum"
       " AND ((to_date(sysdate) >= aswGVO AND ASWGBI is null) OR (to_date(sysdate) <= aswgbi AND aswGvo is"
       " null) OR (to_date(sysdate) >= aswgvo AND to_date(sysdate)<= aswgbi))"},
    {false, 1,
       "SELECT COALESCE(urvvjr, 0.0), COALESCE(urvgur, 0.0), COALESCE(urvgur, 0.0) - COALESCE(urvvjr, 0.0)"
       " + COALESCE(urvvtg, 0.0) FROM MANDANT1.vls332urv WHERE urvpnr = :b0 AND to_char(sysdate,'YYYY') ="
       " urvjhr"},
    {false, 2,
       "SELECT utggut, utgvtg, utgrtg FROM MANDANT1.vls332utg WHERE utgdtm = (SELECT max(utgdtm) FROM"
       " MANDANT1.vls332utg WHERE UTGDTM < sysdate AND UTGPNR= :b0) AND UTGPNR = :b1"},
    {false, 1,
       "SELECT sfzans, sfzgen, sfzrst, sfzvpl, sfzant FROM MANDANT1.vls332sfz WHERE sfzdtm ="
       " to_date(trunc(sysdate) - 1) AND sfzpnr = :b0"},
    {false, 1,
       "SELECT sfvvtg FROM MANDANT1.vls332sfv WHERE sfvpnr = :b0 AND sfvjhr = to_char(sysdate-1, 'yyyy')"},
    {false, 2,
       "SELECT to_char(tgbdtm,'yyyymmdd'), (tgbsa1 + tgbvt1), (tgbsa2 + tgbvt2), (tgbsa3 + tgbvt3), (tgbsa4"
       " + tgbvt4), (tgbsa5 + tgbvt5), (tgbsa6 + tgbvt6), (tgbsa7 + tgbvt7) FROM MANDANT1.vls320tgb WHERE"
       " tgbztr = 1 AND tgbpnr = :b0 AND tgbdtm = (SELECT max(tgbdtm) FROM MANDANT1.vls320tgb WHERE tgbDTM"
       " < trunc(sysdate) AND tgbpnr = :b1 AND tgbztr = 1 )"},
    {false, 2,
       "SELECT TagAkp FROM MANDANT1.Vls327Tag WHERE TagPnr = :b0 AND TagTag = (SELECT max(TagTAg) FROM"
       " MANDANT1.Vls327Tag WHERE TagPnr = :b1 AND TagTag < trunc(sysdate))"},
};

// Day numbers relative to the fixed date 2024-06-15 of these tests.
constexpr char kSystemSchema[] =
    "CREATE TABLE VLS110LIZ (LIZPRD TEXT, LIZVER TEXT);"
    "CREATE TABLE VLS112MND (MNDLIZ TEXT, MNDNUM TEXT, MNDNA1 TEXT, MNDSTA TEXT, MNDDAT DATE, MNDERF TEXT,"
    " MNDKON INTEGER, MNDSCH TEXT, MNDSTO TEXT);"
    "CREATE TABLE VLS401ZLS (ZLSTRM TEXT, ZLSLES INTEGER, ZLSZKO INTEGER, ZLSTFR TEXT, ZLSSTA INTEGER);"
    "CREATE TABLE VLS402ZKO (ZKONUM INTEGER, ZKOTFS TEXT, ZKOKAL INTEGER, ZKOSTA INTEGER);"
    "CREATE TABLE VLS404ZBR (ZBRZKO INTEGER, ZBRZBK TEXT, ZBRZZZ INTEGER, ZBRTTP INTEGER, ZBRSTA INTEGER,"
    " ZBRZTB INTEGER);"
    "CREATE TABLE VLS402ZUZ (ZUZNUM INTEGER, ZUZVON INTEGER, ZUZBIS INTEGER, ZUZSTA INTEGER);"
    "CREATE TABLE VLS133KAL (KALNUM INTEGER, KALDTM DATE, KALTTP INTEGER);"
    "CREATE TABLE VLS133BAK (BAKDTM DATE, BAKWTG INTEGER);"
    "CREATE TABLE VLS301BKL (BKLASW TEXT, BKLBKL TEXT, BKLLIZ TEXT, BKLMND TEXT, BKLSTM TEXT, BKLGVO DATE,"
    " BKLGBI DATE);"
    "CREATE TABLE VlsAswDnl (DnlKey TEXT, DnlLfd INTEGER, DnlMnd TEXT, DnlLiz TEXT, DnlAsw TEXT, DnlKze TEXT,"
    " DnlKzu TEXT, DnlKmp TEXT, DnlBkl TEXT, DnlSta TEXT, DnlErf TEXT);"
    "CREATE TABLE VLS301ASW (ASWNUM TEXT, ASWGVO DATE, ASWGBI DATE, ASWPNR TEXT, ASWBKL TEXT, ASWPIN TEXT,"
    " ASWGRP TEXT, ASWLIZ TEXT, ASWMND TEXT, ASWATP TEXT, ASWAAN TEXT, ASWSTA TEXT, ASWDAT DATE, ASWERF TEXT);"
    "CREATE TABLE VLS113AWV (AWVNUM TEXT, AWVSTO TEXT, AWVCOD TEXT);"
    "CREATE TABLE VLS1140TRM (TRMNAM TEXT, TRMSPR INTEGER);"
    "INSERT INTO VLS110LIZ VALUES ('7418-002-01', '05.40'), ('7418-002-02', '05.90');"
    "INSERT INTO VLS112MND VALUES ('00001','1','Werk Nord','0', 19783.5, 'admin', 0, 'MANDANT1', '42381');"
    "INSERT INTO VLS401ZLS VALUES ('T1', 1, 10, NULL, NULL), ('T2', 2, 10, NULL, 4);"
    "INSERT INTO VLS402ZKO VALUES (10, 'K1', 5, NULL);"
    "INSERT INTO VLS404ZBR VALUES (10, 'K1', 7, 1, NULL, 1);"
    "INSERT INTO VLS402ZUZ VALUES (7, 90, 1050, NULL);"
    "INSERT INTO VLS133KAL VALUES (5, 19889, 1), (5, 19890, 1), (5, 19880, 1);"
    "INSERT INTO VLS133BAK VALUES (19889, 6), (19890, 7), (19880, 4);"
    "INSERT INTO VLS301BKL VALUES ('4711', 'K1', '00001', '1', 'x', 19879, NULL), ('4711', 'K9', '00001', '1',"
    " 'x', 19879, 19880);"
    "INSERT INTO VlsAswDnl VALUES ('KEY00000000001', 1, '1', '00001', '4711', '1', '0', '0', 'K1', '0', 'admin');"
    "INSERT INTO VLS301ASW VALUES ('4711', 19789, NULL, 'P1', 'K1', '1234', 'G', '00001', '1', 'A', 'B', '0',"
    " 19783.5, 'admin');"
    "INSERT INTO VLS113AWV VALUES ('4711', 'S', 'C');"
    "INSERT INTO VLS1140TRM VALUES ('T1', 1);";

constexpr char kClientSchema[] =
    "CREATE TABLE VLS300PNR (PNRNUM TEXT, PNRNAM TEXT, PNRSPR INTEGER, PNRMTA TEXT, PNRSAL TEXT);"
    "CREATE TABLE Vls310Bsv (BSVPNR TEXT, BSVMAP INTEGER, BSVGVO DATE, BSVGBI DATE);"
    "CREATE TABLE PERSONALSTAMM (PSTPNRNUM TEXT, PSTZUOKST TEXT, PSTBSVKAL INTEGER);"
    "CREATE TABLE O1003KstStelle (KSTNUM TEXT, KSTTXT TEXT, KSTERF TEXT, KSTAPZ TEXT, KSTSTA INTEGER);"
    "CREATE TABLE VLS133KA2 (KA2DTM DATE, KA2NUM INTEGER, KA2TTP INTEGER);"
    "CREATE TABLE VLS132TT2 (TT2NUM INTEGER, TT2TXT TEXT, TT2KRT TEXT, TT2FTG INTEGER);"
    "CREATE TABLE VLS122DI2 (DI2KEY TEXT, DI2FNA TEXT, DI2SPR INTEGER, DI2TXT TEXT);"
    "CREATE TABLE vls382bvf (BVFPNR TEXT, BVFGEN INTEGER, BVFVON DATE, BVFBIS DATE, BVFKST TEXT, BVFUH1 DATE,"
    " BVFFC1 INTEGER);"
    "CREATE TABLE vls131fcd (FCDNUM INTEGER, FCDKRT TEXT, FCDTXT TEXT, FCDMAP INTEGER, FCDTYP INTEGER,"
    " FCDFCD TEXT);"
    "CREATE TABLE vls311zuo (ZUOPNR TEXT, ZUOABT TEXT, ZUOGVO DATE, ZUOGBI DATE);"
    "CREATE TABLE Vls329Ztg (ZTGPNR TEXT, ZTGVON DATE, ZTGAZT INTEGER);"
    "CREATE TABLE Vls140Azv (AZVNUM INTEGER, AZVGVO DATE, AZVGBI DATE, AZVSOL REAL);"
    "CREATE TABLE vls332urv (URVPNR TEXT, URVJHR TEXT, URVVJR REAL, URVGUR REAL, URVVTG REAL);"
    "CREATE TABLE vls332utg (UTGPNR TEXT, UTGDTM DATE, UTGGUT REAL, UTGVTG REAL, UTGRTG REAL);"
    "CREATE TABLE vls332sfz (SFZPNR TEXT, SFZDTM DATE, SFZANS REAL, SFZGEN REAL, SFZRST REAL, SFZVPL REAL,"
    " SFZANT REAL);"
    "CREATE TABLE vls332sfv (SFVPNR TEXT, SFVJHR TEXT, SFVVTG REAL);"
    "CREATE TABLE vls320tgb (TGBPNR TEXT, TGBDTM DATE, TGBZTR INTEGER, TGBSA1 REAL, TGBSA2 REAL, TGBSA3 REAL,"
    " TGBSA4 REAL, TGBSA5 REAL, TGBSA6 REAL, TGBSA7 REAL, TGBVT1 REAL, TGBVT2 REAL, TGBVT3 REAL, TGBVT4 REAL,"
    " TGBVT5 REAL, TGBVT6 REAL, TGBVT7 REAL);"
    "CREATE TABLE Vls327Tag (TAGPNR TEXT, TAGTAG DATE, TAGAKP REAL);"
    "INSERT INTO VLS300PNR VALUES ('P1', 'Meier', 1, 'M', 'S'), ('P2', 'Schulz', 1, 'M', 'S');"
    "INSERT INTO Vls310Bsv VALUES ('P1', 3, 19000, NULL);"
    "INSERT INTO PERSONALSTAMM VALUES ('P1', 'KST1', 2);"
    "INSERT INTO O1003KstStelle VALUES ('100', 'Verwaltung', 'admin', 'x', NULL), ('200', 'Alt', 'admin', 'x', 4);"
    "INSERT INTO VLS133KA2 VALUES (19723, 1, 2), (19358, 2, 2), (19000, 3, 2), (20089, 4, 2);"
    "INSERT INTO VLS132TT2 VALUES (2, 'Feiertag', 'FT', 1);"
    "INSERT INTO VLS122DI2 VALUES ('K', 'F', 1, 'Text');"
    "INSERT INTO vls382bvf VALUES ('P2', 2, 19886, 19892, 'KS', 19783.5, 3);"
    "INSERT INTO vls131fcd VALUES (3, 'UR', 'Urlaub', 1, 1, 'U');"
    "INSERT INTO vls311zuo VALUES ('P2', 'A1', 18000, NULL);"
    "INSERT INTO vls332urv VALUES ('P1', '2024', 2.5, 30, 1.5);"
    "INSERT INTO vls332sfv VALUES ('P1', 2024, 4);";

TEST(SystemStatementsTest, EveryStatementRuns) {
  ScopedFixedDate fixed("2024-06-15 08:00:00");
  SchemaDirectory dir;
  dir.Build("VLSYSTEM", kSystemSchema);
  dir.Build("MANDANT1", kClientSchema);
  std::unique_ptr<EmbeddedBackend> db;
  ASSERT_EQ(OpenEmbeddedBackend(dir.path(), db), sql::kOk);
  ASSERT_EQ(db->Execute("ALTER SESSION SET CURRENT_SCHEMA=VLSYSTEM"), sql::kOk);
  ASSERT_EQ(db->Execute("ALTER SESSION SET CURRENT_SCHEMA=MANDANT1"), sql::kOk);
  for (const Statement& s : kStatements) {
    std::vector<Value> binds(static_cast<std::size_t>(s.binds), Value::Text("1"));
    std::vector<Value> row;
    long status = sql::kOk;
    if (s.single_row) {
      status = db->SelectOne(s.sql, binds, row);
    } else {
      ASSERT_EQ(db->Open(1, s.sql, binds), sql::kOk) << s.sql;
      status = db->Fetch(1, row);
      db->Close(1);
    }
    EXPECT_TRUE(status == sql::kOk || status == sql::kNoData) << status << " " << s.sql;
  }
}

class SystemStatementResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Build("VLSYSTEM", kSystemSchema);
    dir_.Build("MANDANT1", kClientSchema);
    ASSERT_EQ(OpenEmbeddedBackend(dir_.path(), db_), sql::kOk);
    ASSERT_EQ(db_->Execute("ALTER SESSION SET CURRENT_SCHEMA=MANDANT1"), sql::kOk);
  }

  std::vector<std::vector<std::string>> All(const char* sql, std::vector<Value> binds = {}) {
    std::vector<std::vector<std::string>> rows;
    EXPECT_EQ(db_->Open(1, sql, binds), sql::kOk) << sql;
    std::vector<Value> row;
    long status;
    while ((status = db_->Fetch(1, row)) == sql::kOk) {
      rows.emplace_back();
      for (const Value& v : row) {
        rows.back().push_back(v.type == Value::Type::kText  ? v.text
                              : v.type == Value::Type::kInt ? std::to_string(v.i)
                              : v.type == Value::Type::kReal ? OracleNumberText(v.r)
                                                             : "NULL");
      }
    }
    EXPECT_EQ(status, sql::kNoData) << sql;
    db_->Close(1);
    return rows;
  }

  const char* Find(const char* start) {
    for (const Statement& s : kStatements) {
      if (std::string(s.sql).rfind(start, 0) == 0) return s.sql;
    }
    ADD_FAILURE() << "no statement begins with " << start;
    return "";
  }

  ScopedFixedDate fixed_{"2024-06-15 08:00:00"};
  SchemaDirectory dir_;
  std::unique_ptr<EmbeddedBackend> db_;
};

using Rows = std::vector<std::vector<std::string>>;

TEST_F(SystemStatementResultsTest, TimeZonePlans) {
  EXPECT_EQ(All(Find("select distinct ZLSTRM Terminal ,"), {}), (Rows{{"T1", "01", "6"}, {"T1", "01", "7"}}));
  EXPECT_EQ(All(Find("select distinct ZBRZZZ from"), {Value::Text("T1"), Value::Text("01"), Value::Int(6)}),
            (Rows{{"7"}}));
  EXPECT_EQ(All(Find("select trim(to_char(((TRUNC((ZUZVON/60))"), {Value::Int(7)}), (Rows{{"0130", "1730"}}));
  EXPECT_EQ(All(Find("select distinct ZLSTRM Terminalname ,'001' Firma ,ZBRZBK Zeitplan"), {}),
            (Rows{{"T1", "001", "K1", "01", "7", "6", "0130", "1730"},
                  {"T1", "001", "K1", "01", "7", "7", "0130", "1730"}}));
}

TEST_F(SystemStatementResultsTest, HolidaysOfLastYearAndLater) {
  // Calendar days 2024-01-01, 2023-01-01, 2022-01-08 and 2025-01-01.
  EXPECT_EQ(All(Find("SELECT DISTINCT ZLSTRM, to_char(KA2DTM,'YYYY')")),
            (Rows{{"T1", "2023", "20230101", "Feiertag", "FT", "2", "2", "1"},
                  {"T1", "2024", "20240101", "Feiertag", "FT", "1", "2", "1"},
                  {"T1", "2025", "20250101", "Feiertag", "FT", "4", "2", "1"}}));
}

TEST_F(SystemStatementResultsTest, AbsencesWithConcatenation) {
  EXPECT_EQ(All(Find("SELECT DISTINCT COALESCE(AswNum,"), {Value::Text("MANDANT1")}),
            (Rows{{"MANDANT1_P2", "2", "12.06.2024 - 18.06.2024", "Urlaub", " ", "UR", "KS", "20240612", "A1",
                   "1200", "3"}}));
}

TEST_F(SystemStatementResultsTest, BalanceSources) {
  EXPECT_EQ(All(Find("SELECT COALESCE(urvvjr, 0.0)"), {Value::Text("P1")}), (Rows{{"2.5", "30", "29"}}));
  EXPECT_EQ(All(Find("SELECT sfvvtg FROM"), {Value::Text("P1")}), (Rows{{"4"}}));
}

}  // namespace
}  // namespace embedded
