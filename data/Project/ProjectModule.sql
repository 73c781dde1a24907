-- Project\ProjectModule.dat: the blank project database that New copies.
CREATE TABLE tbl_registry (
    f_key TEXT COLLATE NOCASE,
    f_value TEXT
);
INSERT INTO tbl_registry (f_key, f_value) VALUES ('prjversion', '57');
