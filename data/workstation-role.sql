-- Gives the role every workstation uses what Punchwell needs and nothing more: it reads and writes
-- every table of the company and makes a table for each employee added, but cannot drop or alter
-- what the owner made, nor the database. Run it once as the company's owner, in the company's
-- database, after the company is there (made by a first start as the owner, or moved in with
-- --copy-company):
--
--     psql "postgresql://punchwell_owner@office-pc/acme" -f workstation-role.sql
--
-- The workstations' role is "punchwell"; give another with -v workstation=NAME.
\set ON_ERROR_STOP on
\if :{?workstation}
\else
\set workstation punchwell
\endif

BEGIN;
-- No other role of the server may connect to the company at all.
REVOKE ALL ON DATABASE :"DBNAME" FROM PUBLIC;
GRANT CONNECT ON DATABASE :"DBNAME" TO :"workstation";
REVOKE ALL ON SCHEMA public FROM PUBLIC;
-- Adding an employee makes a table for the employee's log.
GRANT USAGE, CREATE ON SCHEMA public TO :"workstation";
-- Rows are read, added, changed and removed; tables are never emptied at one stroke, dropped or
-- altered. The same holds for tables the owner makes later (a company moved in anew).
GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO :"workstation";
ALTER DEFAULT PRIVILEGES IN SCHEMA public GRANT SELECT, INSERT, UPDATE, DELETE ON TABLES TO :"workstation";
-- The journal of changes only takes rows and gives them: none is ever changed or removed. A
-- journal made later (by the owner's first start) takes these rights back itself as it is made.
SELECT pg_catalog.to_regclass('public."Punchwell journal of changes"') IS NOT NULL AS has_journal \gset
\if :has_journal
REVOKE UPDATE, DELETE, TRUNCATE ON TABLE public."Punchwell journal of changes" FROM :"workstation";
\endif
COMMIT;
