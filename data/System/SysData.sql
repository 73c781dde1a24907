-- System\SysData.dat: default values, material parameter names, schedules, weather data and the
-- system libraries.
CREATE TABLE tbl_sysversion (
    f_key TEXT(50) COLLATE NOCASE,
    f_value TEXT(50)
);
INSERT INTO tbl_sysversion (f_key, f_value) VALUES ('sysversion', '57');
