-- The company database as delivered: no settings row yet (the first start asks for the company
-- name), the built-in Manager account without a password, and the Manager's empty time log.
CREATE TABLE "Company Data" (company TEXT, subs INTEGER, money INTEGER, edits INTEGER);
CREATE TABLE datalist (Ename TEXT, Ewage TEXT, Ecomment TEXT, epass TEXT);
INSERT INTO datalist (Ename, Ewage, Ecomment, epass) VALUES ('Manager', '0', '', '');
CREATE TABLE "Manager" (Ename VARCHAR(20), datetime DATETIME, inoutfx VARCHAR(11), activity VARCHAR(30));
