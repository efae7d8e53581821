// Statement texts of the terminal access-control exports (20P, 35P, 41P,
// BKL) and of the selective export by download key. All read the system
// schema VLSYSTEM. ":bN" are bind variables, bound in order of appearance;
// the _Sel variants are restricted by :b0 to one control area or badge. The
// texts are used as they stand: the day and time conditions rely on SYSDATE.
#ifndef SSTRXK_EXPORT_SQL_TERMINAL_STATEMENTS_H_
#define SSTRXK_EXPORT_SQL_TERMINAL_STATEMENTS_H_

namespace stmt {

// SQLOpenS20P: terminal, reader and weekday of the coming seven days.
inline constexpr char kS20P[] =
    "select distinct ZLSTRM Terminal ,trim(to_char(ZLSLES,'09')) Leser ,BAKWTG TagNr from "
    "VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR ,VLSYSTEM.VLS402ZUZ "
    ",VLSYSTEM.VLS133KAL ,VLSYSTEM.VLS133BAK where ((((((((((ZLSZKO=ZKONUM and ((ZLSTFR is "
    "not null and ZLSTFR=ZBRZBK) or (ZLSTFR is null and ZKOTFS=ZBRZBK))) and ZKOKAL=KALNUM) "
    "and ZBRZZZ=ZUZNUM) and KALDTM>=to_date(SYSDATE)) and KALDTM<=to_date((SYSDATE+6))) and "
    "KALDTM=BAKDTM) and ((ZLSSTA<>4 and ZLSSTA<>8) or ZLSSTA is null )) and ((ZKOSTA<>4 and "
    "ZKOSTA<>8) or ZKOSTA is null )) and ((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null )) and "
    "((ZUZSTA<>4 and ZUZSTA<>8) or ZUZSTA is null )) order by Terminal,Leser,TagNr";

// SQLOpenS20P_Sel: as kS20P for the control area :b0.
inline constexpr char kS20P_Sel[] =
    "select distinct ZLSTRM Terminal ,trim(to_char(ZLSLES,'09')) Leser ,BAKWTG TagNr from "
    "VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR ,VLSYSTEM.VLS402ZUZ "
    ",VLSYSTEM.VLS133KAL ,VLSYSTEM.VLS133BAK where (((((((((((ZKONUM=:b0 and ZLSZKO=ZKONUM) "
    "and ((ZLSTFR is not null and ZLSTFR=ZBRZBK) or (ZLSTFR is null and ZKOTFS=ZBRZBK))) and "
    "ZKOKAL=KALNUM) and ZBRZZZ=ZUZNUM) and KALDTM>=to_date(SYSDATE)) and "
    "KALDTM<=to_date((SYSDATE+6))) and KALDTM=BAKDTM) and ((ZLSSTA<>4 and ZLSSTA<>8) or "
    "ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA is null )) and ((ZBRSTA<>4 "
    "and ZBRSTA<>8) or ZBRSTA is null )) and ((ZUZSTA<>4 and ZUZSTA<>8) or ZUZSTA is null )) "
    "order by Terminal,Leser,TagNr";

// SQLOpenS20PTagesPlan: time zones of terminal :b0, reader :b1, weekday :b2.
inline constexpr char kS20PTagesPlan[] =
    "select distinct ZBRZZZ from VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR "
    ",VLSYSTEM.VLS402ZUZ ,VLSYSTEM.VLS133KAL ,VLSYSTEM.VLS133BAK where "
    "((((((((((((((ZLSTRM=:b0 and ZLSLES=:b1) and ((ZLSTFR is not null and ZBRZBK=ZLSTFR) or "
    "(ZLSTFR is null and ZKOTFS=ZBRZBK))) and ZLSZKO=ZKONUM) and ZBRTTP=KALTTP) and "
    "ZKOKAL=KALNUM) and ZBRZZZ=ZUZNUM) and KALDTM>=to_date(SYSDATE)) and "
    "KALDTM<=to_date((SYSDATE+6))) and KALDTM=BAKDTM) and ((ZLSSTA<>4 and ZLSSTA<>8) or "
    "ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA is null )) and ((ZBRSTA<>4 "
    "and ZBRSTA<>8) or ZBRSTA is null )) and ((ZUZSTA<>4 and ZUZSTA<>8) or ZUZSTA is null )) "
    "and bakwtg=:b2)";

// SQLOpenS20PUhrZeit: opening intervals (HHMM) of time zone :b0.
inline constexpr char kS20PUhrZeit[] =
    "select trim(to_char(((TRUNC((ZUZVON/60))* 100)+MOD(ZUZVON,60)),'0000')) Offen_Von "
    ",trim(to_char(((TRUNC((ZUZBIS/60))* 100)+MOD(ZUZBIS,60)),'0000')) Offen_Bis from "
    "VLSYSTEM.VLS402ZUZ where ZUZNUM=:b0";

// SQLOpenS35P: permission rows of every terminal reader.
inline constexpr char kS35P[] =
    "select distinct ZLSTRM Terminalname ,'001' Firma ,ZBRZBK Berechtigungsklasse "
    ",trim(to_char(ZLSLES,'09')) Leser ,trim(to_char(ZLSLES,'09')) WocheLeser ,ZBRZBK "
    "Wochenplan ,ZLSZKO Kontrollbereich ,ZBRZZZ Zeitzone , coalesce (ZBRZTB,0) "
    "Zeitbuchung_erlaubt from VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR "
    "where ((((ZLSZKO=ZKONUM and ZLSZKO=ZBRZKO) and ((ZLSSTA<>4 and ZLSSTA<>8) or ZLSSTA is "
    "null )) and ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA is null )) and ((ZBRSTA<>4 and "
    "ZBRSTA<>8) or ZBRSTA is null )) order by Terminalname,Firma,Berechtigungsklasse,Leser";

// SQLOpenS35P_Sel: as kS35P for the control area :b0.
inline constexpr char kS35P_Sel[] =
    "select distinct ZLSTRM Terminalname ,'001' Firma ,ZBRZBK Berechtigungsklasse "
    ",trim(to_char(ZLSLES,'09')) Leser ,trim(to_char(ZLSLES,'09')) WocheLeser ,ZBRZBK "
    "Wochenplan ,ZLSZKO Kontrollbereich ,ZBRZZZ Zeitzone , coalesce (ZBRZTB,0) "
    "Zeitbuchung_erlaubt from VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR "
    "where (((((ZKONUM=:b0 and ZLSZKO=ZKONUM) and ZLSZKO=ZBRZKO) and ((ZLSSTA<>4 and "
    "ZLSSTA<>8) or ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA is null )) and "
    "((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null )) order by "
    "Terminalname,Firma,Berechtigungsklasse,Leser";

// SQLOpenS41P: weekly plan intervals of the coming seven days.
inline constexpr char kS41P[] =
    "select distinct ZLSTRM Terminalname ,'001' Firma ,ZBRZBK Zeitplan "
    ",trim(to_char(ZLSLES,'09')) Wochennummer ,ZBRZZZ Zeitzone ,BAKWTG Tagnr "
    ",trim(to_char(((TRUNC((ZUZVON/60),0)* 100)+MOD(ZUZVON,60)),'0000')) Uhrzeit_Von "
    ",trim(to_char(((TRUNC((ZUZBIS/60),0)* 100)+MOD(ZUZBIS,60)),'0000')) Uhrzeit_Bis from "
    "VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR ,VLSYSTEM.VLS402ZUZ "
    ",VLSYSTEM.VLS133KAL ,VLSYSTEM.VLS133BAK where (((((((((((ZLSZKO=ZKONUM and "
    "ZLSZKO=ZBRZKO) and ZBRZZZ=ZUZNUM) and ZKOKAL=KALNUM) and ZBRTTP=KALTTP) and "
    "KALDTM>=to_date(SYSDATE)) and KALDTM<=to_date((SYSDATE+6))) and KALDTM=BAKDTM) and "
    "((ZLSSTA<>4 and ZLSSTA<>8) or ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA "
    "is null )) and ((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null )) and ((ZUZSTA<>4 and "
    "ZUZSTA<>8) or ZUZSTA is null )) order by "
    "Terminalname,Firma,Zeitplan,Wochennummer,Tagnr,Uhrzeit_Von";

// SQLOpenS41P_Sel: as kS41P for the control area :b0.
inline constexpr char kS41P_Sel[] =
    "select distinct ZLSTRM Terminalname ,'001' Firma ,ZBRZBK Zeitplan "
    ",trim(to_char(ZLSLES,'09')) Wochennummer ,ZBRZZZ Zeitzone ,BAKWTG Tagnr "
    ",trim(to_char(((TRUNC((ZUZVON/60),0)* 100)+MOD(ZUZVON,60)),'0000')) Uhrzeit_Von "
    ",trim(to_char(((TRUNC((ZUZBIS/60),0)* 100)+MOD(ZUZBIS,60)),'0000')) Uhrzeit_Bis from "
    "VLSYSTEM.VLS401ZLS ,VLSYSTEM.VLS402ZKO ,VLSYSTEM.VLS404ZBR ,VLSYSTEM.VLS402ZUZ "
    ",VLSYSTEM.VLS133KAL ,VLSYSTEM.VLS133BAK where ((((((((((((ZKONUM=:b0 and ZLSZKO=ZKONUM) "
    "and ZLSZKO=ZBRZKO) and ZBRZZZ=ZUZNUM) and ZKOKAL=KALNUM) and ZBRTTP=KALTTP) and "
    "KALDTM>=to_date(SYSDATE)) and KALDTM<=to_date((SYSDATE+6))) and KALDTM=BAKDTM) and "
    "((ZLSSTA<>4 and ZLSSTA<>8) or ZLSSTA is null )) and ((ZKOSTA<>4 and ZKOSTA<>8) or ZKOSTA "
    "is null )) and ((ZBRSTA<>4 and ZBRSTA<>8) or ZBRSTA is null )) and ((ZUZSTA<>4 and "
    "ZUZSTA<>8) or ZUZSTA is null )) order by "
    "Terminalname,Firma,Zeitplan,Wochennummer,Tagnr,Uhrzeit_Von";

// SQLOpenAswBkl: permission classes of all badges, valid today.
inline constexpr char kAswBkl[] =
    "select distinct BKLASW ,BKLBKL ,BKLLIZ ,BKLMND ,BKLSTM from VLSYSTEM.VLS301BKL where "
    "(BKLGVO<=trunc(sysdate) and (BKLGBI>=trunc(sysdate) or BKLGBI is null )) order by "
    "BKLASW,BKLBKL";

// SQLOpenAswBkl_Sel: permission classes of badge :b0, valid today.
inline constexpr char kAswBkl_Sel[] =
    "select distinct BKLASW ,BKLBKL ,BKLLIZ ,BKLMND ,BKLSTM from VLSYSTEM.VLS301BKL where "
    "((BKLASW=:b0 and BKLGVO<=trunc(sysdate)) and (BKLGBI>=trunc(sysdate) or BKLGBI is null "
    ")) order by BKLASW,BKLBKL";

// SQLOpenVlsAswDnl: queue rows of the download key :b0 in sequence order.
inline constexpr char kVlsAswDnl[] =
    "SELECT DnlKey, DnlLfd, DnlMnd, DnlLiz, DnlAsw, DnlKze, DnlKzu, DnlKmp, DnlBkl, DnlSta, "
    "DnlErf FROM VLSYSTEM.VlsAswDnl WHERE DnlKey = :b0 ORDER BY DnlLfd";

// SQLOpenZKOzurBKL: control areas that the permission class :b0 reaches.
inline constexpr char kZKOzurBKL[] =
    "select distinct zbrzko from vlsystem.vls404zbr where zbrzbk = :b0";

// SQLGetSchema: schema of client :b2 with licence :b3.
inline constexpr char kGetSchema[] =
    "select MndSch into :b0:b1 from VLSYSTEM.Vls112Mnd where (MndNum=:b2 and MndLiz=:b3)";

}  // namespace stmt

#endif  // SSTRXK_EXPORT_SQL_TERMINAL_STATEMENTS_H_
