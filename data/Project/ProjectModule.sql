-- Project\ProjectModule.dat: the blank project database that New copies.
CREATE TABLE tbl_registry (
    f_key TEXT COLLATE NOCASE,
    f_value TEXT
);
INSERT INTO tbl_registry (f_key, f_value) VALUES ('prjversion', '57');
-- Programs from schema 51 on can open the file; older ones must refuse it.
INSERT INTO tbl_registry (f_key, f_value) VALUES ('BeOpenLowVersion', '51');
-- No current building yet, first energy-saving standard.
INSERT INTO tbl_registry (f_key, f_value) VALUES ('curbuildingid', '-1');
INSERT INTO tbl_registry (f_key, f_value) VALUES ('stdtypeindex', '0');
INSERT INTO tbl_registry (f_key, f_value) VALUES ('maxtime', '10');
INSERT INTO tbl_registry (f_key, f_value) VALUES ('ShowZeroRow', '1');
INSERT INTO tbl_registry (f_key, f_value) VALUES ('DetailedPrintStype', '0');
INSERT INTO tbl_registry (f_key, f_value) VALUES ('PrintAllBuilding', '0');

-- The one parameter row a project starts with: nothing described yet, SI units, absolute
-- coordinates, the detailed air-conditioning calculation, no month or day chosen. A date never
-- set is day 0, 1899-12-30.
INSERT INTO ProjectParameter (
    ProjectName, ProjectNumber, Owner, Designer, Checker, Examiner, DesignDate,
    Unit, Coordinate, OutputTo, StatisticsType, TimePeriodType, TimeBeginning, TimeEnd,
    HourfromMaximumLoad, HourInterval, InRoomDesignParamType, NodeFullPath, DesignType,
    StatisticalStyle, yeartotal_fromtime, yeartotal_totime, yeartotal_output,
    X, Y, Z, X0, Y0, Z0,
    MonthCheck, DayCheck, MonthCheck_Total, DayCheck_Total)
VALUES (
    '', '', '', '', '', '', '1899-12-30',
    0, 0, 0, 0, 0, 0, 23,
    12, 2, 0, '', 3,
    0, 7, 16, 1,
    0, 0, 0, 0, 0, 0,
    '000000000000', replace(hex(zeroblob(365)), '00', '0'),
    '000000000000', replace(hex(zeroblob(365)), '00', '0'));

INSERT INTO tbl_config (paramkey, paramname, paramvalue, remark) VALUES ('cool_beginmonth', '制冷季节起始月份', '5', '供冷供热季节起止日期');
INSERT INTO tbl_config (paramkey, paramname, paramvalue, remark) VALUES ('cool_endmonth', '制冷季节终止月份', '10', '供冷供热季节起止日期');
INSERT INTO tbl_config (paramkey, paramname, paramvalue, remark) VALUES ('heat_beginmonth', '制热季节起始月份', '10', '供冷供热季节起止日期');
INSERT INTO tbl_config (paramkey, paramname, paramvalue, remark) VALUES ('heat_endmonth', '制热季节终止月份', '5', '供冷供热季节起止日期');
INSERT INTO tbl_config (paramkey, paramname, paramvalue, remark) VALUES ('cool_beginday', '制冷季节起始日', '1', '供冷供热季节起止日期');
INSERT INTO tbl_config (paramkey, paramname, paramvalue, remark) VALUES ('cool_endday', '制冷季节终止日', '1', '供冷供热季节起止日期');
INSERT INTO tbl_config (paramkey, paramname, paramvalue, remark) VALUES ('heat_beginday', '制热季节起始日', '1', '供冷供热季节起止日期');
INSERT INTO tbl_config (paramkey, paramname, paramvalue, remark) VALUES ('heat_endday', '制热季节终止日', '1', '供冷供热季节起止日期');
