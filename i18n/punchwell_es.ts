<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>pw::AboutTab</name>
    <message>
        <source>About this Program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell, the company time clock.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::AccessStartUp</name>
    <message>
        <source>Bringing over %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The company file

%1

is an Access-format database (%2) with %3 employees. Punchwell can bring the company over into a file of its own:

• the old file is kept, renamed “%4”, and is never written to;
• a new Punchwell file “%5” is made from it and compared with it, value by value.

Do you want to bring the company over now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bringing the company over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The company has been brought over into a new Punchwell file, “%1”. The old Access-format file is kept as “%2”.

%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::AddEmployeeDialog</name>
    <message>
        <source>Add a New Employee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wage per hour (required)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wage/hour: (required)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the Employee could not be added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Nothing was stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the name is to long.  Please type in a name with less than 20 characters and without special characters (i.e. period, quotation marks, etc.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, this Employee already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the name is empty.  Please type in the new Employee&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the name is only blanks.  Please type in the new Employee&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the name holds a character that cannot be stored.  Please type in the name without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, names beginning with &quot;sqlite_&quot; are reserved for the data file itself.  Please type in another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the name takes more room than the company database keeps for a name.  Please type in a shorter name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the data file already holds a table of this name (capital and small letters count as the same there).  Please type in another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee has been added!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::ClockDisplay</name>
    <message>
        <source>Time and Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::CommandText</name>
    <message>
        <source>the hours were not exported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal was not exported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: punchwell [--database LOCATION]
       punchwell --copy-company FROM TO
       punchwell [--database LOCATION] --export-hours FILE [--through DATETIME]
       punchwell [--database LOCATION] --verify-records [--seal HEX]
       punchwell [--database LOCATION] --export-history FILE
       punchwell --help

Punchwell, the time clock of a small company.

  --database LOCATION      use the company at LOCATION: a database on a PostgreSQL
                           server, postgresql://USER@HOST:PORT/DBNAME?sslmode=require,
                           or the path of an SQLite file
  --copy-company FROM TO   copy every table and row of the company at FROM into TO
                           (each a postgresql:// address or a file&apos;s path), check the
                           copy and end, without windows; TO must hold no company yet
  --export-hours FILE      save every employee&apos;s shifts through the ending date as a
                           CSV file for payroll and end, without windows; the company
                           is only read
  --through DATETIME       the ending date of --export-hours (default: now), as ISO
                           8601 (2026-12-07T17:00) or as you would type it here
  --verify-records         check that the company&apos;s records are exactly what its
                           journal of changes says, print the seal and end; the
                           company is only read
  --seal HEX               with --verify-records: check too that a seal noted
                           earlier (16 hex digits) is one of the journal&apos;s own
  --export-history FILE    save the journal of every change to the company&apos;s records
                           as a CSV file, print the records&apos; seal and end, without
                           windows; the company is only read
  -h, --help               show this text and end

Without --database, the company is the one named by url in the group [database] of
the file Punchwell.conf in the folder Punchwell starts in:

  [database]
  url = postgresql://clock@office-pc/acme

and without that file, Employee.mdb in that folder. A password never goes on the
command line or into Punchwell.conf: PostgreSQL&apos;s own places hold it (~/.pgpass,
PGPASSFILE, PGPASSWORD or a service file).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--database is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--database needs a location: a postgresql:// address or a file&apos;s path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copy-company is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copy-company needs two locations: FROM and TO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copy-company names both companies itself; leave out --database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-hours is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-hours needs the path of the file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-hours and --copy-company cannot be given together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--through is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--through needs an ending date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--through is the ending date of --export-hours, which is not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--through: &quot;%1&quot; is not a date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--verify-records is given alone, without --copy-company, --export-hours or --export-history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seal is a seal for --verify-records to look for, which is not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seal needs the 16 hex digits of a seal noted earlier, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-history is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-history needs the path of the file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-history and %1 cannot be given together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 of %2 is not a group: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 of %2 is not &quot;key = value&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gives url in [database] more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gives an empty url in [database]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 of %2 holds the secret %3. Put a password in the file .pgpass, and other secrets in a service file (pg_service.conf), where only you can read them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 of %2: idle_logoff must be a whole number of seconds from 1 to %3, not &quot;%4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gives idle_logoff in [workstation] more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>punchwell: %1
Try &apos;punchwell --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>punchwell: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied the company from %1 to %2: %3 tables, 1 row, read back and found equal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied the company from %1 to %2: %3 tables, %4 rows, read back and found equal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Tables made by hand without a stored order were copied in the order the source&apos;s database gave their rows: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its records could not be verified: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its records verify, seal %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has no journal of changes yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its records do not verify: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brought the company over from %1 to %2, read both back and found them equal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records have no journal yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify from row %1 on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 of %2 to %3 (%4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported the journal&apos;s %1 to %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records verify: %1 in the journal, seal %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the journal breaks its chain: it was changed, removed or put in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the journal does not fit the records the rows before it made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the seal noted is not one of this journal&apos;s own: the records were rewritten since it was noted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Company Data&quot;, row %1: stored %2, the journal says %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the employee list, row %1: stored %2, the journal says %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the log of %1, entry %2: stored %3, the journal says %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table %1 is a log the journal never made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the log of %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records cannot be verified: the company has no journal of changes yet (it gets one when Punchwell first opens it to work)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records do not verify: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records were not verified: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character a table name cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listed %1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of one of the company&apos;s own tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same as %1 but for capital and small letters, so the two share one time log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 employees and %2 time log entries were brought over in %3 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no time log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries per employee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 entries)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time logs of no listed employee, kept under their own names: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names the add dialog would not accept, brought over as they are so these employees can still log on: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out, as they are neither the company&apos;s tables nor time logs: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields left out: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old file held no company settings: Punchwell will ask for the company name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::ErrorText</name>
    <message>
        <source>the PostgreSQL server of this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server of the service &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server at [%1]:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server at %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the default database on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database &quot;%1&quot; on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source and the target are the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds a company already (the table &quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has no fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the target cannot hold a table named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a second table is named &quot;%1&quot; there (capital and small letters count as the same)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has a field &quot;%2&quot;, a name the target keeps for itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the target&apos;s tables differ from the source&apos;s after the copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fields of the table &quot;%1&quot; differ after the copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has %2 rows in the source and %3 in the target after the copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; differs between the source and the target after the copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program made the file %1 while the copy was being written; that file was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; holds in the field &quot;%3&quot; bytes that are not UTF-8 text, which cannot be copied exactly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; holds in the field &quot;%3&quot; a text with a NUL character, which a database server cannot keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has a name that not every kind of company database can hold (a file keeps names beginning with &quot;sqlite_&quot; for itself, a server holds at most 63 bytes of a name), so the company could never move to the other kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a postgresql:// address (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a password. Put the password in the file .pgpass (or a service file) instead, where only you can read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a connection parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value of %1 holds a &apos;;&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a well-formed server address. It reads postgresql://USER@HOST:PORT/DATABASE, and parameters may follow after &apos;?&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds the secret parameter %1. Put it in a service file (pg_service.conf) instead, where only you can read it, and name the service with service=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is cut short (%1 bytes, not a whole number of %2-byte pages)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is cut short (%1 bytes, too short to hold its list of tables)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the definition of the table %1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the table %2 cannot be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the table %2 cannot be taken apart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a damaged value in the column %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a damaged long value in the column %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table %1 holds %2 rows, but only %3 can be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a Microsoft Access database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is not a Microsoft Access database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is a Microsoft Access database of a version this program does not know (version number %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is a Microsoft Access database of a version this program does not know (version number %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is protected by a database password. Remove the password in Microsoft Access, then bring the file over again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is protected by a database password. Remove the password in Microsoft Access, then bring the file over again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is damaged: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 has no table %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 has no table %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 of the table %2 has a date in the column %3 outside the years 100 to 9999 (stored as %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a date in the column %3 outside the years 100 to 9999 (stored as %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The column %1 of the table %2 has a type (%3) this program cannot read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column %1 of the table %2 has a type (%3) this program cannot read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is an Access database, but not a company file: it has no table ᳚talist”, the list of employees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is an Access database, but not a company file: it has no table ᳚talist”, the list of employees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is an Access database, but not a company file: its list of employees “%2” has no field ǎname”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is an Access database, but not a company file: its list of employees “%2” has no field ǎname”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 of the table %2 holds in the field %3 a value Punchwell cannot keep there (binary data).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1 of the table %2 holds in the field %3 a value Punchwell cannot keep there (binary data).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program is making a new company file %1 right now (it holds the lock file %2); try again when it is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program is making a new company file %1 right now (it holds the lock file %2); try again when it is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new file could not be named %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new file could not be named %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old file could not be kept as %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the old file could not be kept as %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new company could not be made in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new company could not be made in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a database file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a Microsoft Access (Jet) database. Punchwell keeps its data in an SQLite database and opens an Access file only to bring the company over (at the start in its folder, or with --copy-company)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not a database that Punchwell can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is damaged (it is cut short)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new file could not be put in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file %1 was moved, renamed or deleted while Punchwell was running, so nothing can be stored in it. Put the file back, or start Punchwell again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database is in use by another program or another copy of Punchwell. Please wait a moment and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file is read-only, so nothing can be stored in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no room left to store the change (the disk or the database file is full)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a table cannot be found (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database reported an error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 database driver of Qt is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Punchwell company database (the table &quot;%1&quot; is missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the change was not begun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. The change was being stored when the connection ended: it may or may not have been stored. Look at the data again before you repeat it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server&apos;s address cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server&apos;s address cannot be used (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no Punchwell company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds a company already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 runs PostgreSQL %2, and Punchwell needs version 10 or later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to %1 is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such database: %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server refused the user name or the password for %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be reached: the server is not running, or the address is wrong, or the network is down (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to %1 was lost in the middle of the action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to %1 was lost: the server stopped or ended it (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database is in use: another workstation is changing the same data on %1 and did not finish within %2 seconds. Nothing was stored. Please wait a moment and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds, so the program stopped waiting and gave the connection up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not finish the action within %2 seconds, so it was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a table cannot be found (there is no table &quot;%1&quot; in %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server does not let this user change the company&apos;s data in %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can only be read at present (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server has no room left to store the change (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server refused a value (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server found the data of %1 damaged (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server could not read or write its disk (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an earlier step of this action failed, so the server refused the rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database server reported an error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; could not be copied: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the company to copy is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the view is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no current record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table has no field &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the time log of %1 holds an entry without a readable date and time, so one shift was left out of the total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the time log of %1 holds an entry without a readable date and time, so %2 shifts were left out of the total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wage per hour of %1 (&quot;%2&quot;) is not a number, so the wages show 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wage per hour of %1 (&quot;%2&quot;) is too large to count with, so the wages show 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would come before %2, the date and time of the entry before it, and the entries of a log must stay in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would come after %2, the date and time of the entry after it, and the entries of a log must stay in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.  Nothing was stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Date / Time.  %1. Please correct the entry and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Date / Time.  Please correct the entry and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2. Nothing was stored. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell cannot %1 in the company database
%2
because %3. Punchwell will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell cannot use its company database

%1

because %2.

Nothing in the database has been changed. Punchwell will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell cannot use its company database

%1

because %2.

Nothing in the file has been changed. Punchwell will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new company database could not be created in

%1

because %2. Punchwell will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new company database could not be created at

%1

because %2. Punchwell will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell cannot tell where its company database is, because %1.

Punchwell will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The company file

%1

is an Access-format database that Punchwell cannot bring over:

%2

Nothing has been changed. Punchwell will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell could not bring the company over from

%1

%2

Nothing has been changed: “%3” is still the Access-format file, and no new file was left behind. Punchwell will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The company was not brought over: it was cancelled. “%1” is still the Access-format file, unchanged. Punchwell will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the company was not copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::FirstRunWindow</name>
    <message>
        <source>Punchwell Startup Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Welcome to Punchwell startup!  I&apos;m glad your company has chosen to test Punchwell, and hope you find it as useful as others have.
In order for Punchwell to work properly, please supply your company name exactly as you wish for it to appear throughout Punchwell.  You will NOT be able to change this later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The company name could not be stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank You.  You must now Restart Punchwell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Restart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes to the employee&apos;s records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workstation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the history could not be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::LogonWindow</name>
    <message>
        <source>Find Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Required:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the company settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the list of employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log In Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of employees cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid Name or click on the Combo Box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time log of %1 cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time log of %1 is missing from the company database, so %1 cannot log on. Please ask the Manager to look into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect Password, Please retry or Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for names--&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for choice of Names----&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::MainWindow</name>
    <message>
        <source>Forgotten clock-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change My Pass&amp;word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have been clocked in since %1, more than %2 hours ago. Did you forget to clock out?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::ManagementTab</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee&apos;s estimated wages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records have no journal yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify from row %1 on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an Employee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$/hr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wage per hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee&apos;s hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee&apos;s time log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Employee Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to view an Employee&apos;s data in a Data Grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Functions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new Employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete an Employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear an Employee&apos;s logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print an Employee&apos;s Time Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chg Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change an Employee&apos;s password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Hrs/$</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get the Employee&apos;s total number of hours and pay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show every change to the employee&apos;s records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who&apos;s In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show who is clocked in now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Punchwell&apos;s properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save every employee&apos;s hours through an ending date for payroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to print all employees? (default:  print current employee only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Punchwell through this ending date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing was stopped after %1 of %2 employees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to clear the log for all employees? (default: clear current employee only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear log until this date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clearing was stopped after %1 of %2 employees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, cannot delete the Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the list of employees cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the Name doesn&apos;t appear to exist.  Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting an employee is permanent.  He/She will no longer be able to use the Punchwell Program unless you add them again. Do you want to continue ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the Employee could not be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Punchwell through this ending date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save every employee&apos;s hours as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours-%1.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hours of %1 (%2) were saved in %3 (%4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 employees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the hours could not be exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  No file was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the hours could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::PasswordDialog</name>
    <message>
        <source>Change Pass Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter New Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee&apos;s new password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password could not be stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Successfully Changed.  The Management functions open at your next logon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Successfully Changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, their was a problem with the data file. Check with your system administrator.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::PropertiesDialog</name>
    <message>
        <source>User Properties:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Employee Edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Employee Wages Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off all Login Descriptions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored settings could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The switches are shown as off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting could not be stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::QtPrinterFactory</name>
    <message>
        <source>%1 could not be written completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reported an error while the job was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written (is the folder there, and may it be written to?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not accept the job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not start a new page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this computer has no default printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is stopped or out of order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::RecordBrowser</name>
    <message>
        <source>First record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::RunProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::SplashWindow</name>
    <message>
        <source>Punchwell is starting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::StartUp</name>
    <message>
        <source>Punchwell cannot find its company database in

%1

which holds no Punchwell company yet. Do you want to create a new company database there? Punchwell will then ask for your company name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell cannot find its company database

%1

Do you want to create a new company database there? Punchwell will then ask for your company name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::StatusText</name>
    <message>
        <source>Clocked In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocked Out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::StorageError</name>
    <message>
        <source>The time log of %1 cannot be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a wages display&apos;s tool-tip (%1), then why it shows 0 (%2)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::TaskPrompt</name>
    <message>
        <source>Enter a Task:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, Tasks can only be up to 30 characters in length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock In Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock In has been Canceled.  If you wish to disable the prompt for a project activity, check the box marked disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::TimeFunctionsTab</name>
    <message>
        <source>Clock In Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock out Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated wages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logged-on employee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This displays the current users name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>click here to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to update the total hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update the total hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time of the entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current records time and data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LastLogon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status of the entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status of the current record. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task of the entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on there &quot;browser&quot; buttons to move between records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClockIn (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to Clock In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ClockOut (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to Clock Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tot. Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Est. Wages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time log of %1 cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first Clock Out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock-in could not be stored, so nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first Clock in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first Clock In.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock-out could not be stored, so nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last entry could not be deleted, so the log is unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is being sent to the default printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will delete all clock in and clock out values.  It should only be done at the end of a time period.  Are you sure you want to continue ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your log could not be cleared, so it is unchanged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::WhosInWindow</name>
    <message>
        <source>Who&apos;s In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyone clocked in now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, who is in could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who&apos;s In: nobody</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who&apos;s In: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::Windows</name>
    <message>
        <source>You will be unable to use Management functions until you change your password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::artwork</name>
    <message>
        <source>the company time clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::reportboxes::RunBoxes</name>
    <message>
        <source>Enter an ending date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date.  Please type the ending date as a date and time, such as %2, or as a date alone.  Nothing was done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time card %1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of employees cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid Name or click on the Combo Box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log In Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log of %1 could not be cleared, so it is unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: the time log cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time card of %1 could not be saved either: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time cards could not be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: %2.

Would you like to save the time card as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the time card of %1 as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: %2.

Would you like to save this time card and the rest of this run&apos;s as one PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the time cards as one PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time cards up to %1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pw::timecard</name>
    <message>
        <source>Employee Name:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub Total (Hours)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> has a total of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> hours </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell time card: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell time cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell Data for:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell Log for  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punchwell Log for:  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
