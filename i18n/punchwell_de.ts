<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>pw::AboutTab</name>
    <message>
        <source>About this Program:</source>
        <translation>Über dieses Programm:</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Firmenname:</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Punchwell, the company time clock.</source>
        <translation>Punchwell, die Stempeluhr für Ihre Firma.</translation>
    </message>
</context>
<context>
    <name>pw::AccessStartUp</name>
    <message>
        <source>Bringing over %1</source>
        <translation>%1 wird übernommen</translation>
    </message>
    <message>
        <source>The company file

%1

is an Access-format database (%2) with %3 employees. Punchwell can bring the company over into a file of its own:

• the old file is kept, renamed “%4”, and is never written to;
• a new Punchwell file “%5” is made from it and compared with it, value by value.

Do you want to bring the company over now?</source>
        <translation>Die Firmendatei

%1

ist eine Datenbank im Access-Format (%2) mit %3 Mitarbeitern. Punchwell kann die Firma in eine eigene Datei übernehmen:

• die alte Datei bleibt erhalten, wird in „%4“ umbenannt und nie beschrieben;
• eine neue Punchwell-Datei „%5“ wird daraus erstellt und Wert für Wert mit ihr verglichen.

Möchten Sie die Firma jetzt übernehmen?</translation>
    </message>
    <message>
        <source>Bringing the company over</source>
        <translation>Die Firma wird übernommen</translation>
    </message>
    <message>
        <source>The company has been brought over into a new Punchwell file, “%1”. The old Access-format file is kept as “%2”.

%3</source>
        <translation>Die Firma wurde in die neue Punchwell-Datei „%1“ übernommen. Die alte Datei im Access-Format bleibt als „%2“ erhalten.

%3</translation>
    </message>
</context>
<context>
    <name>pw::AddEmployeeDialog</name>
    <message>
        <source>Add a New Employee:</source>
        <translation>Neuen Mitarbeiter anlegen:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Wage per hour (required)</source>
        <translation>Stundenlohn (Pflichtangabe)</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Wage/hour: (required)</source>
        <translation>Stundenlohn: (Pflichtangabe)</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Bemerkungen:</translation>
    </message>
    <message>
        <source>Add Error</source>
        <translation>Fehler beim Anlegen</translation>
    </message>
    <message>
        <source>Sorry, the Employee could not be added</source>
        <translation>Der Mitarbeiter konnte leider nicht angelegt werden</translation>
    </message>
    <message>
        <source>  Nothing was stored.</source>
        <translation>  Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Sorry, the name is to long.  Please type in a name with less than 20 characters and without special characters (i.e. period, quotation marks, etc.)</source>
        <translation>Der Name ist leider zu lang.  Bitte geben Sie einen Namen mit weniger als 20 Zeichen und ohne Sonderzeichen ein (z. B. Punkt, Anführungszeichen usw.).</translation>
    </message>
    <message>
        <source>Add error</source>
        <translation>Fehler beim Anlegen</translation>
    </message>
    <message>
        <source>Sorry, this Employee already exists.</source>
        <translation>Diesen Mitarbeiter gibt es leider schon.</translation>
    </message>
    <message>
        <source>Sorry, the name is empty.  Please type in the new Employee&apos;s name.</source>
        <translation>Der Name ist leider leer.  Bitte geben Sie den Namen des neuen Mitarbeiters ein.</translation>
    </message>
    <message>
        <source>Sorry, the name is only blanks.  Please type in the new Employee&apos;s name.</source>
        <translation>Der Name besteht leider nur aus Leerzeichen.  Bitte geben Sie den Namen des neuen Mitarbeiters ein.</translation>
    </message>
    <message>
        <source>Sorry, the name holds a character that cannot be stored.  Please type in the name without it.</source>
        <translation>Der Name enthält leider ein Zeichen, das nicht gespeichert werden kann.  Bitte geben Sie den Namen ohne dieses Zeichen ein.</translation>
    </message>
    <message>
        <source>Sorry, names beginning with &quot;sqlite_&quot; are reserved for the data file itself.  Please type in another name.</source>
        <translation>Namen, die mit „sqlite_“ beginnen, sind leider der Datendatei selbst vorbehalten.  Bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>Sorry, the name takes more room than the company database keeps for a name.  Please type in a shorter name.</source>
        <translation>Der Name braucht leider mehr Platz, als die Firmendatenbank für einen Namen vorsieht.  Bitte geben Sie einen kürzeren Namen ein.</translation>
    </message>
    <message>
        <source>Sorry, the data file already holds a table of this name (capital and small letters count as the same there).  Please type in another name.</source>
        <translation>Die Datendatei enthält leider schon eine Tabelle mit diesem Namen (Groß- und Kleinschreibung gelten dort als gleich).  Bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>Employee has been added!</source>
        <translation>Der Mitarbeiter wurde angelegt!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>pw::ClockDisplay</name>
    <message>
        <source>Time and Date:</source>
        <translation>Uhrzeit und Datum:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Current Date</source>
        <translation>Aktuelles Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Aktuelle Uhrzeit</translation>
    </message>
</context>
<context>
    <name>pw::CommandText</name>
    <message>
        <source>the hours were not exported: %1</source>
        <translation>die Stunden wurden nicht exportiert: %1</translation>
    </message>
    <message>
        <source>the journal was not exported: %1</source>
        <translation>das Journal wurde nicht exportiert: %1</translation>
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
        <translation>Aufruf: punchwell [--database ORT]
        punchwell --copy-company VON NACH
        punchwell [--database ORT] --export-hours DATEI [--through ZEITPUNKT]
        punchwell [--database ORT] --verify-records [--seal HEX]
        punchwell [--database ORT] --export-history DATEI
        punchwell --help

Punchwell, die Stempeluhr eines kleinen Betriebs.

  --database ORT           die Firma unter ORT verwenden: eine PostgreSQL-Datenbank,
                           postgresql://BENUTZER@HOST:PORT/DBNAME?sslmode=require,
                           oder der Pfad einer SQLite-Datei
  --copy-company VON NACH  jede Tabelle und Zeile der Firma unter VON nach NACH kopieren
                           (jeweils eine postgresql://-Adresse oder ein Dateipfad), die
                           Kopie prüfen und beenden, ohne Fenster; unter NACH darf noch
                           keine Firma sein
  --export-hours DATEI     die Schichten aller Mitarbeiter bis zum Enddatum als CSV-Datei
                           für die Lohnabrechnung speichern und beenden, ohne Fenster; die
                           Firma wird nur gelesen
  --through ZEITPUNKT      das Enddatum von --export-hours (Standard: jetzt), als ISO
                           8601 (2026-12-07T17:00) oder so, wie Sie es hier eingeben
                           würden
  --verify-records         prüfen, ob die Aufzeichnungen der Firma genau dem entsprechen,
                           was ihr Änderungsjournal sagt, das Siegel ausgeben und beenden;
                           die Firma wird nur gelesen
  --seal HEX               mit --verify-records: zusätzlich prüfen, ob ein früher
                           notiertes Siegel (16 Hex-Ziffern) zu diesem Journal gehört
  --export-history DATEI   das Journal aller Änderungen an den Aufzeichnungen der Firma
                           als CSV-Datei speichern, das Siegel der Aufzeichnungen ausgeben
                           und beenden, ohne Fenster; die Firma wird nur gelesen
  -h, --help               diesen Text anzeigen und beenden

Ohne --database ist die Firma diejenige, die url in der Gruppe [database] der Datei
Punchwell.conf in dem Ordner nennt, in dem Punchwell startet:

  [database]
  url = postgresql://stempel@buero-pc/acme

Gibt es diese Datei nicht, ist es Employee.mdb in diesem Ordner. Ein Passwort gehört
nie auf die Befehlszeile oder in Punchwell.conf: PostgreSQL bewahrt es an eigenen
Stellen auf (~/.pgpass, PGPASSFILE, PGPASSWORD oder eine Dienstdatei).
</translation>
    </message>
    <message>
        <source>--database is given twice</source>
        <translation>--database ist zweimal angegeben</translation>
    </message>
    <message>
        <source>--database needs a location: a postgresql:// address or a file&apos;s path</source>
        <translation>--database braucht einen Ort: eine postgresql://-Adresse oder den Pfad einer Datei</translation>
    </message>
    <message>
        <source>--copy-company is given twice</source>
        <translation>--copy-company ist zweimal angegeben</translation>
    </message>
    <message>
        <source>--copy-company needs two locations: FROM and TO</source>
        <translation>--copy-company braucht zwei Orte: VON und NACH</translation>
    </message>
    <message>
        <source>--copy-company names both companies itself; leave out --database</source>
        <translation>--copy-company nennt beide Firmen selbst; lassen Sie --database weg</translation>
    </message>
    <message>
        <source>--export-hours is given twice</source>
        <translation>--export-hours ist zweimal angegeben</translation>
    </message>
    <message>
        <source>--export-hours needs the path of the file to write</source>
        <translation>--export-hours braucht den Pfad der Datei, die geschrieben werden soll</translation>
    </message>
    <message>
        <source>--export-hours and --copy-company cannot be given together</source>
        <translation>--export-hours und --copy-company können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>--through is given twice</source>
        <translation>--through ist zweimal angegeben</translation>
    </message>
    <message>
        <source>--through needs an ending date</source>
        <translation>--through braucht ein Enddatum</translation>
    </message>
    <message>
        <source>--through is the ending date of --export-hours, which is not given</source>
        <translation>--through ist das Enddatum von --export-hours, das aber nicht angegeben ist</translation>
    </message>
    <message>
        <source>--through: &quot;%1&quot; is not a date and time</source>
        <translation>--through: „%1“ ist kein Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>--verify-records is given alone, without --copy-company, --export-hours or --export-history</source>
        <translation>--verify-records ist allein angegeben, ohne --copy-company, --export-hours oder --export-history</translation>
    </message>
    <message>
        <source>--seal is a seal for --verify-records to look for, which is not given</source>
        <translation>--seal ist ein Siegel, nach dem --verify-records suchen soll, doch --verify-records ist nicht angegeben</translation>
    </message>
    <message>
        <source>--seal needs the 16 hex digits of a seal noted earlier, not &quot;%1&quot;</source>
        <translation>--seal braucht die 16 Hex-Ziffern eines früher notierten Siegels, nicht „%1“</translation>
    </message>
    <message>
        <source>--export-history is given twice</source>
        <translation>--export-history ist zweimal angegeben</translation>
    </message>
    <message>
        <source>--export-history needs the path of the file to write</source>
        <translation>--export-history braucht den Pfad der Datei, die geschrieben werden soll</translation>
    </message>
    <message>
        <source>--export-history and %1 cannot be given together</source>
        <translation>--export-history und %1 können nicht zusammen angegeben werden</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>the file %1 cannot be read: %2</source>
        <translation>die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the file %1 is not UTF-8 text</source>
        <translation>die Datei %1 ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>line %1 of %2 is not a group: %3</source>
        <translation>Zeile %1 von %2 ist keine Gruppe: %3</translation>
    </message>
    <message>
        <source>line %1 of %2 is not &quot;key = value&quot;: %3</source>
        <translation>Zeile %1 von %2 hat nicht die Form „Schlüssel = Wert“: %3</translation>
    </message>
    <message>
        <source>%1 gives url in [database] more than once</source>
        <translation>%1 gibt url in [database] mehr als einmal an</translation>
    </message>
    <message>
        <source>%1 gives an empty url in [database]</source>
        <translation>%1 gibt in [database] eine leere url an</translation>
    </message>
    <message>
        <source>line %1 of %2 holds the secret %3. Put a password in the file .pgpass, and other secrets in a service file (pg_service.conf), where only you can read them</source>
        <translation>Zeile %1 von %2 enthält die vertrauliche Angabe %3. Legen Sie ein Passwort in der Datei .pgpass ab und andere vertrauliche Angaben in einer Dienstdatei (pg_service.conf), wo nur Sie sie lesen können</translation>
    </message>
    <message>
        <source>line %1 of %2: idle_logoff must be a whole number of seconds from 1 to %3, not &quot;%4&quot;</source>
        <translation>Zeile %1 von %2: idle_logoff muss eine ganze Zahl von Sekunden zwischen 1 und %3 sein, nicht „%4“</translation>
    </message>
    <message>
        <source>%1 gives idle_logoff in [workstation] more than once</source>
        <translation>%1 gibt idle_logoff in [workstation] mehr als einmal an</translation>
    </message>
    <message>
        <source>punchwell: %1
Try &apos;punchwell --help&apos;.
</source>
        <translation>punchwell: %1
Siehe „punchwell --help“.
</translation>
    </message>
    <message>
        <source>punchwell: %1</source>
        <translation>punchwell: %1</translation>
    </message>
    <message>
        <source>Copied the company from %1 to %2: %3 tables, 1 row, read back and found equal.</source>
        <translation>Firma von %1 nach %2 kopiert: %3 Tabellen, 1 Zeile, zurückgelesen und als gleich befunden.</translation>
    </message>
    <message>
        <source>Copied the company from %1 to %2: %3 tables, %4 rows, read back and found equal.</source>
        <translation>Firma von %1 nach %2 kopiert: %3 Tabellen, %4 Zeilen, zurückgelesen und als gleich befunden.</translation>
    </message>
    <message>
        <source>%1 Tables made by hand without a stored order were copied in the order the source&apos;s database gave their rows: %2.</source>
        <translation>%1 Von Hand angelegte Tabellen ohne gespeicherte Reihenfolge wurden in der Reihenfolge kopiert, in der die Datenbank der Quelle ihre Zeilen lieferte: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Its records could not be verified: %1.</source>
        <translation>Die Aufzeichnungen der Firma konnten nicht geprüft werden: %1.</translation>
    </message>
    <message>
        <source>Its records verify, seal %1.</source>
        <translation>Die Aufzeichnungen der Firma stimmen mit ihrem Journal überein, Siegel %1.</translation>
    </message>
    <message>
        <source>It has no journal of changes yet.</source>
        <translation>Die Firma hat noch kein Änderungsjournal.</translation>
    </message>
    <message>
        <source>Its records do not verify: %1.</source>
        <translation>Die Aufzeichnungen der Firma stimmen nicht mit ihrem Journal überein: %1.</translation>
    </message>
    <message>
        <source>Brought the company over from %1 to %2, read both back and found them equal.</source>
        <translation>Firma von %1 nach %2 übernommen, beide zurückgelesen und als gleich befunden.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>seal %1</source>
        <translation>Siegel %1</translation>
    </message>
    <message>
        <source>the records have no journal yet</source>
        <translation>die Aufzeichnungen haben noch kein Journal</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify from row %1 on</source>
        <translation>das Journal der Aufzeichnungen ist beschädigt: ab Zeile %1 stimmen sie nicht mehr mit ihm überein</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify</source>
        <translation>das Journal der Aufzeichnungen ist beschädigt: sie stimmen nicht mit ihm überein</translation>
    </message>
    <message>
        <source>1 shift</source>
        <translation>1 Schicht</translation>
    </message>
    <message>
        <source>%1 shifts</source>
        <translation>%1 Schichten</translation>
    </message>
    <message>
        <source>1 employee</source>
        <translation>1 Mitarbeiter</translation>
    </message>
    <message>
        <source>%1 employees</source>
        <translation>%1 Mitarbeitern</translation>
    </message>
    <message>
        <source>Exported %1 of %2 to %3 (%4).</source>
        <translation>%1 von %2 nach %3 exportiert (%4).</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>Exported the journal&apos;s %1 to %2 (%3).</source>
        <translation>Journal exportiert: %1 nach %2 (%3).</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The records verify: %1 in the journal, seal %2</source>
        <translation>Die Aufzeichnungen stimmen mit dem Journal überein: %1 im Journal, Siegel %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>row %1 of the journal breaks its chain: it was changed, removed or put in</source>
        <translation>Zeile %1 des Journals unterbricht seine Kette: sie wurde geändert, entfernt oder eingefügt</translation>
    </message>
    <message>
        <source>row %1 of the journal does not fit the records the rows before it made</source>
        <translation>Zeile %1 des Journals passt nicht zu den Aufzeichnungen, die sich aus den Zeilen davor ergeben</translation>
    </message>
    <message>
        <source>the seal noted is not one of this journal&apos;s own: the records were rewritten since it was noted</source>
        <translation>das notierte Siegel gehört nicht zu diesem Journal: die Aufzeichnungen wurden umgeschrieben, seit es notiert wurde</translation>
    </message>
    <message>
        <source>&quot;Company Data&quot;, row %1: stored %2, the journal says %3</source>
        <translation>„Company Data“, Zeile %1: gespeichert %2, laut Journal %3</translation>
    </message>
    <message>
        <source>the employee list, row %1: stored %2, the journal says %3</source>
        <translation>die Mitarbeiterliste, Zeile %1: gespeichert %2, laut Journal %3</translation>
    </message>
    <message>
        <source>the log of %1, entry %2: stored %3, the journal says %4</source>
        <translation>das Protokoll von %1, Eintrag %2: gespeichert %3, laut Journal %4</translation>
    </message>
    <message>
        <source>the table %1 is a log the journal never made</source>
        <translation>die Tabelle %1 ist ein Protokoll, das das Journal nie angelegt hat</translation>
    </message>
    <message>
        <source>the log of %1 is missing</source>
        <translation>das Protokoll von %1 fehlt</translation>
    </message>
    <message>
        <source>the records cannot be verified: the company has no journal of changes yet (it gets one when Punchwell first opens it to work)</source>
        <translation>die Aufzeichnungen können nicht geprüft werden: die Firma hat noch kein Änderungsjournal (sie erhält eines, wenn Punchwell sie zum ersten Mal zum Arbeiten öffnet)</translation>
    </message>
    <message>
        <source>the records do not verify: %1</source>
        <translation>die Aufzeichnungen stimmen nicht mit dem Journal überein: %1</translation>
    </message>
    <message>
        <source>the records were not verified: %1</source>
        <translation>die Aufzeichnungen wurden nicht geprüft: %1</translation>
    </message>
    <message>
        <source>an empty name</source>
        <translation>ein leerer Name</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>a character a table name cannot hold</source>
        <translation>ein Zeichen, das ein Tabellenname nicht enthalten kann</translation>
    </message>
    <message>
        <source>listed %1 times</source>
        <translation>%1-mal aufgeführt</translation>
    </message>
    <message>
        <source>the name of one of the company&apos;s own tables</source>
        <translation>der Name einer der eigenen Tabellen der Firma</translation>
    </message>
    <message>
        <source>the same as %1 but for capital and small letters, so the two share one time log</source>
        <translation>bis auf Groß- und Kleinschreibung gleich %1, sodass beide ein Zeitprotokoll teilen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>%1 employees and %2 time log entries were brought over in %3 seconds.</source>
        <translation>%1 Mitarbeiter und %2 Einträge in Zeitprotokollen wurden in %3 Sekunden übernommen.</translation>
    </message>
    <message>
        <source>%1: no time log</source>
        <translation>%1: kein Zeitprotokoll</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Entries per employee:</source>
        <translation>Einträge je Mitarbeiter:</translation>
    </message>
    <message>
        <source>%1 (%2 entries)</source>
        <translation>%1 (%2 Einträge)</translation>
    </message>
    <message>
        <source>Time logs of no listed employee, kept under their own names: %1.</source>
        <translation>Zeitprotokolle ohne Mitarbeiter in der Liste, unter ihrem eigenen Namen übernommen: %1.</translation>
    </message>
    <message>
        <source>Names the add dialog would not accept, brought over as they are so these employees can still log on: %1.</source>
        <translation>Namen, die das Dialogfeld zum Anlegen nicht annehmen würde, unverändert übernommen, damit sich diese Mitarbeiter weiterhin anmelden können: %1.</translation>
    </message>
    <message>
        <source>Left out, as they are neither the company&apos;s tables nor time logs: %1.</source>
        <translation>Ausgelassen, da weder Tabellen der Firma noch Zeitprotokolle: %1.</translation>
    </message>
    <message>
        <source>Fields left out: %1.</source>
        <translation>Ausgelassene Felder: %1.</translation>
    </message>
    <message>
        <source>The old file held no company settings: Punchwell will ask for the company name.</source>
        <translation>Die alte Datei enthielt keine Firmeneinstellungen: Punchwell fragt nach dem Firmennamen.</translation>
    </message>
</context>
<context>
    <name>pw::ErrorText</name>
    <message>
        <source>the PostgreSQL server of this computer</source>
        <translation>PostgreSQL-Server dieses Computers</translation>
    </message>
    <message>
        <source>the server of the service &quot;%1&quot;</source>
        <translation>Server des Dienstes „%1“</translation>
    </message>
    <message>
        <source>the server at %1</source>
        <translation>Server %1</translation>
    </message>
    <message>
        <source>the server at [%1]:%2</source>
        <translation>Server [%1]:%2</translation>
    </message>
    <message>
        <source>the server at %1:%2</source>
        <translation>Server %1:%2</translation>
    </message>
    <message>
        <source>the default database on %1</source>
        <translation>Standarddatenbank auf %1</translation>
    </message>
    <message>
        <source>the database &quot;%1&quot; on %2</source>
        <translation>Datenbank „%1“ auf %2</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>the source and the target are the same</source>
        <translation>Quelle und Ziel sind identisch</translation>
    </message>
    <message>
        <source>%1 holds a company already (the table &quot;%2&quot;)</source>
        <translation>%1 enthält bereits eine Firma (die Tabelle „%2“)</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has no fields</source>
        <translation>die Tabelle „%1“ hat keine Felder</translation>
    </message>
    <message>
        <source>the target cannot hold a table named &quot;%1&quot;</source>
        <translation>das Ziel kann keine Tabelle namens „%1“ aufnehmen</translation>
    </message>
    <message>
        <source>a second table is named &quot;%1&quot; there (capital and small letters count as the same)</source>
        <translation>eine zweite Tabelle heißt dort „%1“ (Groß- und Kleinschreibung gelten als gleich)</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has a field &quot;%2&quot;, a name the target keeps for itself</source>
        <translation>die Tabelle „%1“ hat ein Feld „%2“, einen Namen, den das Ziel für sich selbst reserviert</translation>
    </message>
    <message>
        <source>the target&apos;s tables differ from the source&apos;s after the copy</source>
        <translation>die Tabellen des Ziels weichen nach dem Kopieren von denen der Quelle ab</translation>
    </message>
    <message>
        <source>the fields of the table &quot;%1&quot; differ after the copy</source>
        <translation>die Felder der Tabelle „%1“ weichen nach dem Kopieren ab</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has %2 rows in the source and %3 in the target after the copy</source>
        <translation>die Tabelle „%1“ hat nach dem Kopieren %2 Zeilen in der Quelle und %3 im Ziel</translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; differs between the source and the target after the copy</source>
        <translation>Zeile %1 der Tabelle „%2“ weicht nach dem Kopieren zwischen Quelle und Ziel ab</translation>
    </message>
    <message>
        <source>another program made the file %1 while the copy was being written; that file was left as it is</source>
        <translation>ein anderes Programm hat die Datei %1 angelegt, während die Kopie geschrieben wurde; diese Datei wurde unverändert gelassen</translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; holds in the field &quot;%3&quot; bytes that are not UTF-8 text, which cannot be copied exactly</source>
        <translation>Zeile %1 der Tabelle „%2“ enthält im Feld „%3“ Bytes, die kein UTF-8-Text sind und sich nicht genau kopieren lassen</translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; holds in the field &quot;%3&quot; a text with a NUL character, which a database server cannot keep</source>
        <translation>Zeile %1 der Tabelle „%2“ enthält im Feld „%3“ einen Text mit einem NUL-Zeichen, den ein Datenbankserver nicht speichern kann</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has a name that not every kind of company database can hold (a file keeps names beginning with &quot;sqlite_&quot; for itself, a server holds at most 63 bytes of a name), so the company could never move to the other kind</source>
        <translation>die Tabelle „%1“ hat einen Namen, den nicht jede Art von Firmendatenbank aufnehmen kann (eine Datei reserviert Namen, die mit „sqlite_“ beginnen, für sich selbst, ein Server fasst höchstens 63 Bytes eines Namens), sodass die Firma nie zur anderen Art wechseln könnte</translation>
    </message>
    <message>
        <source>it is not a postgresql:// address (%1)</source>
        <translation>sie ist keine postgresql://-Adresse (%1)</translation>
    </message>
    <message>
        <source>it holds a password. Put the password in the file .pgpass (or a service file) instead, where only you can read it</source>
        <translation>sie enthält ein Passwort. Legen Sie das Passwort stattdessen in der Datei .pgpass (oder einer Dienstdatei) ab, wo nur Sie es lesen können</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a connection parameter</source>
        <translation>„%1“ ist kein Verbindungsparameter</translation>
    </message>
    <message>
        <source>the value of %1 holds a &apos;;&apos;</source>
        <translation>der Wert von %1 enthält ein „;“</translation>
    </message>
    <message>
        <source>it is not a well-formed server address. It reads postgresql://USER@HOST:PORT/DATABASE, and parameters may follow after &apos;?&apos;</source>
        <translation>sie ist keine gültige Serveradresse. Sie lautet postgresql://BENUTZER@HOST:PORT/DATENBANK, und nach „?“ können Parameter folgen</translation>
    </message>
    <message>
        <source>it holds the secret parameter %1. Put it in a service file (pg_service.conf) instead, where only you can read it, and name the service with service=</source>
        <translation>sie enthält den vertraulichen Parameter %1. Legen Sie ihn stattdessen in einer Dienstdatei (pg_service.conf) ab, wo nur Sie ihn lesen können, und nennen Sie den Dienst mit service=</translation>
    </message>
    <message>
        <source>it is cut short (%1 bytes, not a whole number of %2-byte pages)</source>
        <translation>sie ist abgeschnitten (%1 Bytes, keine ganze Zahl von %2-Byte-Seiten)</translation>
    </message>
    <message>
        <source>it is cut short (%1 bytes, too short to hold its list of tables)</source>
        <translation>sie ist abgeschnitten (%1 Bytes, zu kurz für ihre Tabellenliste)</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>ihre Tabellenliste kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the definition of the table %1 cannot be read</source>
        <translation>die Definition der Tabelle %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>row %1 of the table %2 cannot be found</source>
        <translation>Zeile %1 der Tabelle %2 kann nicht gefunden werden</translation>
    </message>
    <message>
        <source>row %1 of the table %2 cannot be taken apart</source>
        <translation>Zeile %1 der Tabelle %2 kann nicht zerlegt werden</translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a damaged value in the column %3</source>
        <translation>Zeile %1 der Tabelle %2 hat einen beschädigten Wert in der Spalte %3</translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a damaged long value in the column %3</source>
        <translation>Zeile %1 der Tabelle %2 hat einen beschädigten langen Wert in der Spalte %3</translation>
    </message>
    <message>
        <source>the table %1 holds %2 rows, but only %3 can be read</source>
        <translation>die Tabelle %1 enthält %2 Zeilen, aber nur %3 können gelesen werden</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (Fehler %2)</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>the file %1 cannot be opened.</source>
        <translation>die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>the file %1 cannot be opened: %2.</source>
        <translation>die Datei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a Microsoft Access database.</source>
        <translation>Die Datei %1 ist keine Microsoft-Access-Datenbank.</translation>
    </message>
    <message>
        <source>the file %1 is not a Microsoft Access database.</source>
        <translation>die Datei %1 ist keine Microsoft-Access-Datenbank.</translation>
    </message>
    <message>
        <source>The file %1 is a Microsoft Access database of a version this program does not know (version number %2).</source>
        <translation>Die Datei %1 ist eine Microsoft-Access-Datenbank in einer Version, die dieses Programm nicht kennt (Versionsnummer %2).</translation>
    </message>
    <message>
        <source>the file %1 is a Microsoft Access database of a version this program does not know (version number %2).</source>
        <translation>die Datei %1 ist eine Microsoft-Access-Datenbank in einer Version, die dieses Programm nicht kennt (Versionsnummer %2).</translation>
    </message>
    <message>
        <source>The file %1 is protected by a database password. Remove the password in Microsoft Access, then bring the file over again.</source>
        <translation>Die Datei %1 ist durch ein Datenbankpasswort geschützt. Entfernen Sie das Passwort in Microsoft Access und übernehmen Sie die Datei dann erneut.</translation>
    </message>
    <message>
        <source>the file %1 is protected by a database password. Remove the password in Microsoft Access, then bring the file over again.</source>
        <translation>die Datei %1 ist durch ein Datenbankpasswort geschützt. Entfernen Sie das Passwort in Microsoft Access und übernehmen Sie die Datei dann erneut.</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2.</source>
        <translation>Die Datei %1 ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>the file %1 is damaged: %2.</source>
        <translation>die Datei %1 ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>The file %1 has no table %2.</source>
        <translation>Die Datei %1 hat keine Tabelle %2.</translation>
    </message>
    <message>
        <source>the file %1 has no table %2.</source>
        <translation>die Datei %1 hat keine Tabelle %2.</translation>
    </message>
    <message>
        <source>Row %1 of the table %2 has a date in the column %3 outside the years 100 to 9999 (stored as %4).</source>
        <translation>Zeile %1 der Tabelle %2 hat in der Spalte %3 ein Datum außerhalb der Jahre 100 bis 9999 (gespeichert als %4).</translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a date in the column %3 outside the years 100 to 9999 (stored as %4).</source>
        <translation>Zeile %1 der Tabelle %2 hat in der Spalte %3 ein Datum außerhalb der Jahre 100 bis 9999 (gespeichert als %4).</translation>
    </message>
    <message>
        <source>The column %1 of the table %2 has a type (%3) this program cannot read.</source>
        <translation>Die Spalte %1 der Tabelle %2 hat einen Typ (%3), den dieses Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>the column %1 of the table %2 has a type (%3) this program cannot read.</source>
        <translation>die Spalte %1 der Tabelle %2 hat einen Typ (%3), den dieses Programm nicht lesen kann.</translation>
    </message>
    <message>
        <source>The file %1 is an Access database, but not a company file: it has no table “datalist”, the list of employees.</source>
        <translation>Die Datei %1 ist eine Access-Datenbank, aber keine Firmendatei: sie hat keine Tabelle „datalist“, die Liste der Mitarbeiter.</translation>
    </message>
    <message>
        <source>the file %1 is an Access database, but not a company file: it has no table “datalist”, the list of employees.</source>
        <translation>die Datei %1 ist eine Access-Datenbank, aber keine Firmendatei: sie hat keine Tabelle „datalist“, die Liste der Mitarbeiter.</translation>
    </message>
    <message>
        <source>The file %1 is an Access database, but not a company file: its list of employees “%2” has no field “Ename”.</source>
        <translation>Die Datei %1 ist eine Access-Datenbank, aber keine Firmendatei: ihre Mitarbeiterliste „%2“ hat kein Feld „Ename“.</translation>
    </message>
    <message>
        <source>the file %1 is an Access database, but not a company file: its list of employees “%2” has no field “Ename”.</source>
        <translation>die Datei %1 ist eine Access-Datenbank, aber keine Firmendatei: ihre Mitarbeiterliste „%2“ hat kein Feld „Ename“.</translation>
    </message>
    <message>
        <source>Row %1 of the table %2 holds in the field %3 a value Punchwell cannot keep there (binary data).</source>
        <translation>Zeile %1 der Tabelle %2 enthält im Feld %3 einen Wert, den Punchwell dort nicht speichern kann (Binärdaten).</translation>
    </message>
    <message>
        <source>row %1 of the table %2 holds in the field %3 a value Punchwell cannot keep there (binary data).</source>
        <translation>Zeile %1 der Tabelle %2 enthält im Feld %3 einen Wert, den Punchwell dort nicht speichern kann (Binärdaten).</translation>
    </message>
    <message>
        <source>It was cancelled.</source>
        <translation>Der Vorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>it was cancelled.</source>
        <translation>der Vorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Another program is making a new company file %1 right now (it holds the lock file %2); try again when it is done.</source>
        <translation>Ein anderes Programm legt gerade eine neue Firmendatei %1 an (es hält die Sperrdatei %2); versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>another program is making a new company file %1 right now (it holds the lock file %2); try again when it is done.</source>
        <translation>ein anderes Programm legt gerade eine neue Firmendatei %1 an (es hält die Sperrdatei %2); versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1.</source>
        <translation>In den Ordner %1 kann nichts geschrieben werden.</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1.</source>
        <translation>in den Ordner %1 kann nichts geschrieben werden.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1 (%2).</source>
        <translation>In den Ordner %1 kann nichts geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2).</source>
        <translation>in den Ordner %1 kann nichts geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>%1 exists already.</source>
        <translation>%1 existiert bereits.</translation>
    </message>
    <message>
        <source>The new file could not be named %1: %2.</source>
        <translation>Die neue Datei konnte nicht in %1 umbenannt werden: %2.</translation>
    </message>
    <message>
        <source>the new file could not be named %1: %2.</source>
        <translation>die neue Datei konnte nicht in %1 umbenannt werden: %2.</translation>
    </message>
    <message>
        <source>The old file could not be kept as %1: %2.</source>
        <translation>Die alte Datei konnte nicht als %1 aufbewahrt werden: %2.</translation>
    </message>
    <message>
        <source>the old file could not be kept as %1: %2.</source>
        <translation>die alte Datei konnte nicht als %1 aufbewahrt werden: %2.</translation>
    </message>
    <message>
        <source>The new company could not be made in %1: %2.</source>
        <translation>Die neue Firma konnte nicht in %1 angelegt werden: %2.</translation>
    </message>
    <message>
        <source>the new company could not be made in %1: %2.</source>
        <translation>die neue Firma konnte nicht in %1 angelegt werden: %2.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a database file</source>
        <translation>es ist ein Ordner, keine Datenbankdatei</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is a Microsoft Access (Jet) database. Punchwell keeps its data in an SQLite database and opens an Access file only to bring the company over (at the start in its folder, or with --copy-company)</source>
        <translation>es ist eine Microsoft-Access-Datenbank (Jet). Punchwell speichert seine Daten in einer SQLite-Datenbank und öffnet eine Access-Datei nur, um die Firma zu übernehmen (beim Start in seinem Ordner oder mit --copy-company)</translation>
    </message>
    <message>
        <source>the file is not a database that Punchwell can read</source>
        <translation>die Datei ist keine Datenbank, die Punchwell lesen kann</translation>
    </message>
    <message>
        <source>the file is damaged (it is cut short)</source>
        <translation>die Datei ist beschädigt (sie ist abgeschnitten)</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>eine Datei dieses Namens existiert bereits</translation>
    </message>
    <message>
        <source>the new file could not be put in place</source>
        <translation>die neue Datei konnte nicht an ihren Platz gebracht werden</translation>
    </message>
    <message>
        <source>the database file %1 was moved, renamed or deleted while Punchwell was running, so nothing can be stored in it. Put the file back, or start Punchwell again</source>
        <translation>die Datenbankdatei %1 wurde verschoben, umbenannt oder gelöscht, während Punchwell lief, daher kann nichts mehr in ihr gespeichert werden. Legen Sie die Datei zurück oder starten Sie Punchwell neu</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2)</source>
        <translation>in den Ordner %1 kann nichts geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the database file is damaged (%1)</source>
        <translation>die Datenbankdatei ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>the database is in use by another program or another copy of Punchwell. Please wait a moment and try again</source>
        <translation>die Datenbank wird von einem anderen Programm oder einer anderen Punchwell-Instanz verwendet. Bitte warten Sie einen Moment und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>the database file is read-only, so nothing can be stored in it</source>
        <translation>die Datenbankdatei ist schreibgeschützt, daher kann nichts in ihr gespeichert werden</translation>
    </message>
    <message>
        <source>there is no room left to store the change (the disk or the database file is full)</source>
        <translation>es ist kein Platz mehr, um die Änderung zu speichern (der Datenträger oder die Datenbankdatei ist voll)</translation>
    </message>
    <message>
        <source>the database file is damaged</source>
        <translation>die Datenbankdatei ist beschädigt</translation>
    </message>
    <message>
        <source>the database file cannot be opened</source>
        <translation>die Datenbankdatei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>der Datenträger konnte nicht gelesen oder beschrieben werden</translation>
    </message>
    <message>
        <source>a table cannot be found (%1)</source>
        <translation>eine Tabelle kann nicht gefunden werden (%1)</translation>
    </message>
    <message>
        <source>the database reported an error</source>
        <translation>die Datenbank hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>the database is not open</source>
        <translation>die Datenbank ist nicht geöffnet</translation>
    </message>
    <message>
        <source>the %1 database driver of Qt is not installed</source>
        <translation>der Datenbanktreiber %1 von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>the database cannot be opened</source>
        <translation>die Datenbank kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it is not a Punchwell company database (the table &quot;%1&quot; is missing)</source>
        <translation>es ist keine Punchwell-Firmendatenbank (die Tabelle „%1“ fehlt)</translation>
    </message>
    <message>
        <source>the change was not begun</source>
        <translation>die Änderung wurde nicht begonnen</translation>
    </message>
    <message>
        <source>%1. The change was being stored when the connection ended: it may or may not have been stored. Look at the data again before you repeat it</source>
        <translation>%1. Die Änderung wurde gerade gespeichert, als die Verbindung endete: sie ist möglicherweise gespeichert, möglicherweise nicht. Sehen Sie sich die Daten erneut an, bevor Sie die Änderung wiederholen</translation>
    </message>
    <message>
        <source>the server&apos;s address cannot be used: %1</source>
        <translation>die Adresse des Servers kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>the server&apos;s address cannot be used (%1)</source>
        <translation>die Adresse des Servers kann nicht verwendet werden (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 holds no Punchwell company</source>
        <translation>%1 enthält keine Punchwell-Firma</translation>
    </message>
    <message>
        <source>%1 holds a company already</source>
        <translation>%1 enthält bereits eine Firma</translation>
    </message>
    <message>
        <source>%1 runs PostgreSQL %2, and Punchwell needs version 10 or later</source>
        <translation>%1 läuft mit PostgreSQL %2, Punchwell braucht aber Version 10 oder neuer</translation>
    </message>
    <message>
        <source>the connection to %1 is not open</source>
        <translation>die Verbindung zu %1 ist nicht geöffnet</translation>
    </message>
    <message>
        <source>there is no such database: %1 does not exist</source>
        <translation>diese Datenbank gibt es nicht: %1 existiert nicht</translation>
    </message>
    <message>
        <source>the server refused the user name or the password for %1 (%2)</source>
        <translation>der Server hat den Benutzernamen oder das Passwort für %1 abgelehnt (%2)</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>%1 hat nicht innerhalb von %2 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>%1 cannot be reached: the server is not running, or the address is wrong, or the network is down (%2)</source>
        <translation>%1 ist nicht erreichbar: der Server läuft nicht, die Adresse ist falsch oder das Netzwerk ist ausgefallen (%2)</translation>
    </message>
    <message>
        <source>the connection to %1 was lost in the middle of the action</source>
        <translation>die Verbindung zu %1 ging mitten im Vorgang verloren</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: the server stopped or ended it (%2)</source>
        <translation>die Verbindung zu %1 ging verloren: der Server wurde angehalten oder hat sie beendet (%2)</translation>
    </message>
    <message>
        <source>the database is in use: another workstation is changing the same data on %1 and did not finish within %2 seconds. Nothing was stored. Please wait a moment and try again</source>
        <translation>die Datenbank ist in Gebrauch: ein anderer Arbeitsplatz ändert dieselben Daten in %1 und war nicht innerhalb von %2 Sekunden fertig. Es wurde nichts gespeichert. Bitte warten Sie einen Moment und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds, so the program stopped waiting and gave the connection up</source>
        <translation>%1 hat nicht innerhalb von %2 Sekunden geantwortet, daher hat das Programm nicht länger gewartet und die Verbindung aufgegeben</translation>
    </message>
    <message>
        <source>%1 did not finish the action within %2 seconds, so it was stopped</source>
        <translation>%1 hat den Vorgang nicht innerhalb von %2 Sekunden abgeschlossen, daher wurde er abgebrochen</translation>
    </message>
    <message>
        <source>a table cannot be found (there is no table &quot;%1&quot; in %2)</source>
        <translation>eine Tabelle kann nicht gefunden werden (in %2 gibt es keine Tabelle „%1“)</translation>
    </message>
    <message>
        <source>the server does not let this user change the company&apos;s data in %1 (%2)</source>
        <translation>der Server erlaubt diesem Benutzer nicht, die Daten der Firma in %1 zu ändern (%2)</translation>
    </message>
    <message>
        <source>%1 can only be read at present (%2)</source>
        <translation>%1 kann derzeit nur gelesen werden (%2)</translation>
    </message>
    <message>
        <source>the server has no room left to store the change (%1)</source>
        <translation>der Server hat keinen Platz mehr, um die Änderung zu speichern (%1)</translation>
    </message>
    <message>
        <source>the server refused a value (%1)</source>
        <translation>der Server hat einen Wert abgelehnt (%1)</translation>
    </message>
    <message>
        <source>the server found the data of %1 damaged (%2)</source>
        <translation>der Server hat die Daten von %1 als beschädigt erkannt (%2)</translation>
    </message>
    <message>
        <source>the server could not read or write its disk (%1)</source>
        <translation>der Server konnte seinen Datenträger nicht lesen oder beschreiben (%1)</translation>
    </message>
    <message>
        <source>an earlier step of this action failed, so the server refused the rest</source>
        <translation>ein früherer Schritt dieses Vorgangs ist fehlgeschlagen, daher hat der Server den Rest abgelehnt</translation>
    </message>
    <message>
        <source>the database server reported an error</source>
        <translation>der Datenbankserver hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; could not be copied: %2</source>
        <translation>die Tabelle „%1“ konnte nicht kopiert werden: %2</translation>
    </message>
    <message>
        <source>the company to copy is not open</source>
        <translation>die zu kopierende Firma ist nicht geöffnet</translation>
    </message>
    <message>
        <source>the view is not open</source>
        <translation>die Ansicht ist nicht geöffnet</translation>
    </message>
    <message>
        <source>there is no current record</source>
        <translation>es gibt keinen aktuellen Datensatz</translation>
    </message>
    <message>
        <source>the table has no field &quot;%1&quot;</source>
        <translation>die Tabelle hat kein Feld „%1“</translation>
    </message>
    <message>
        <source>the time log of %1 holds an entry without a readable date and time, so one shift was left out of the total</source>
        <translation>das Zeitprotokoll von %1 enthält einen Eintrag ohne lesbares Datum und Uhrzeit, daher wurde eine Schicht nicht mitgezählt</translation>
    </message>
    <message>
        <source>the time log of %1 holds an entry without a readable date and time, so %2 shifts were left out of the total</source>
        <translation>das Zeitprotokoll von %1 enthält einen Eintrag ohne lesbares Datum und Uhrzeit, daher wurden %2 Schichten nicht mitgezählt</translation>
    </message>
    <message>
        <source>the wage per hour of %1 (&quot;%2&quot;) is not a number, so the wages show 0</source>
        <translation>der Stundenlohn von %1 („%2“) ist keine Zahl, daher wird als Lohn 0 angezeigt</translation>
    </message>
    <message>
        <source>the wage per hour of %1 (&quot;%2&quot;) is too large to count with, so the wages show 0</source>
        <translation>der Stundenlohn von %1 („%2“) ist zu groß, um damit zu rechnen, daher wird als Lohn 0 angezeigt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time</source>
        <translation>„%1“ ist kein Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>%1 would come before %2, the date and time of the entry before it, and the entries of a log must stay in order</source>
        <translation>%1 läge vor %2, dem Datum und der Uhrzeit des vorigen Eintrags, und die Einträge eines Protokolls müssen in ihrer Reihenfolge bleiben</translation>
    </message>
    <message>
        <source>%1 would come after %2, the date and time of the entry after it, and the entries of a log must stay in order</source>
        <translation>%1 läge nach %2, dem Datum und der Uhrzeit des nächsten Eintrags, und die Einträge eines Protokolls müssen in ihrer Reihenfolge bleiben</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2.  Nothing was stored.</source>
        <translation>%1: %2.  Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>%1: %2.%3</source>
        <translation>%1: %2.%3</translation>
    </message>
    <message>
        <source>Invalid Date / Time.  %1. Please correct the entry and try again</source>
        <translation>Ungültiges Datum / ungültige Uhrzeit.  %1. Bitte korrigieren Sie den Eintrag und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>Invalid Date / Time.  Please correct the entry and try again</source>
        <translation>Ungültiges Datum / ungültige Uhrzeit.  Bitte korrigieren Sie den Eintrag und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2.</source>
        <translation>Es ist Fehler Nr. %1 aufgetreten:  %2.</translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2. Nothing was stored. Please try again.</source>
        <translation>Es ist Fehler Nr. %1 aufgetreten:  %2. Es wurde nichts gespeichert. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2. Please try again.</source>
        <translation>Es ist Fehler Nr. %1 aufgetreten:  %2. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Punchwell cannot %1 in the company database
%2
because %3. Punchwell will now close.</source>
        <translation>Punchwell kann in der Firmendatenbank
%2
%1, denn %3. Punchwell wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Punchwell cannot use its company database

%1

because %2.

Nothing in the database has been changed. Punchwell will now close.</source>
        <translation>Punchwell kann seine Firmendatenbank

%1

nicht verwenden, denn %2.

In der Datenbank wurde nichts geändert. Punchwell wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Punchwell cannot use its company database

%1

because %2.

Nothing in the file has been changed. Punchwell will now close.</source>
        <translation>Punchwell kann seine Firmendatenbank

%1

nicht verwenden, denn %2.

In der Datei wurde nichts geändert. Punchwell wird jetzt beendet.</translation>
    </message>
    <message>
        <source>A new company database could not be created in

%1

because %2. Punchwell will now close.</source>
        <translation>In

%1

konnte keine neue Firmendatenbank angelegt werden, denn %2. Punchwell wird jetzt beendet.</translation>
    </message>
    <message>
        <source>A new company database could not be created at

%1

because %2. Punchwell will now close.</source>
        <translation>Unter

%1

konnte keine neue Firmendatenbank angelegt werden, denn %2. Punchwell wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Punchwell cannot tell where its company database is, because %1.

Punchwell will now close.</source>
        <translation>Punchwell kann nicht feststellen, wo seine Firmendatenbank ist, denn %1.

Punchwell wird jetzt beendet.</translation>
    </message>
    <message>
        <source>The company file

%1

is an Access-format database that Punchwell cannot bring over:

%2

Nothing has been changed. Punchwell will now close.</source>
        <translation>Die Firmendatei

%1

ist eine Datenbank im Access-Format, die Punchwell nicht übernehmen kann:

%2

Es wurde nichts geändert. Punchwell wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Punchwell could not bring the company over from

%1

%2

Nothing has been changed: “%3” is still the Access-format file, and no new file was left behind. Punchwell will now close.</source>
        <translation>Punchwell konnte die Firma nicht übernehmen aus

%1

%2

Es wurde nichts geändert: „%3“ ist weiterhin die Datei im Access-Format, und es wurde keine neue Datei zurückgelassen. Punchwell wird jetzt beendet.</translation>
    </message>
    <message>
        <source>The company was not brought over: it was cancelled. “%1” is still the Access-format file, unchanged. Punchwell will now close.</source>
        <translation>Die Firma wurde nicht übernommen: der Vorgang wurde abgebrochen. „%1“ ist weiterhin die Datei im Access-Format, unverändert. Punchwell wird jetzt beendet.</translation>
    </message>
    <message>
        <source>the company was not copied: %1</source>
        <translation>die Firma wurde nicht kopiert: %1</translation>
    </message>
</context>
<context>
    <name>pw::FirstRunWindow</name>
    <message>
        <source>Punchwell Startup Screen</source>
        <translation>Punchwell-Startbildschirm</translation>
    </message>
    <message>
        <source>     Welcome to Punchwell startup!  I&apos;m glad your company has chosen to test Punchwell, and hope you find it as useful as others have.
In order for Punchwell to work properly, please supply your company name exactly as you wish for it to appear throughout Punchwell.  You will NOT be able to change this later.</source>
        <translation>     Willkommen bei Punchwell!  Es freut mich, dass sich Ihre Firma entschieden hat, Punchwell zu testen, und ich hoffe, Sie finden es so nützlich wie andere vor Ihnen.
Damit Punchwell richtig funktioniert, geben Sie bitte Ihren Firmennamen genau so ein, wie er überall in Punchwell erscheinen soll.  Sie können ihn später NICHT mehr ändern.</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Firmenname:</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The company name could not be stored</source>
        <translation>Der Firmenname konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source> Please try again.</source>
        <translation> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Thank You.  You must now Restart Punchwell.</source>
        <translation>Vielen Dank.  Bitte starten Sie Punchwell jetzt neu.</translation>
    </message>
    <message>
        <source>Please Restart</source>
        <translation>Bitte neu starten</translation>
    </message>
</context>
<context>
    <name>pw::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Changes to the employee&apos;s records</source>
        <translation>Änderungen an den Aufzeichnungen des Mitarbeiters</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Workstation</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>Verlauf: %1</translation>
    </message>
    <message>
        <source>Sorry, the history could not be read</source>
        <translation>Der Verlauf konnte leider nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>pw::LogonWindow</name>
    <message>
        <source>Find Your Name</source>
        <translation>Ihren Namen suchen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Password Required:</source>
        <translation>Passwort erforderlich:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>read the company settings</source>
        <translation>die Firmeneinstellungen nicht lesen</translation>
    </message>
    <message>
        <source>read the list of employees</source>
        <translation>die Mitarbeiterliste nicht lesen</translation>
    </message>
    <message>
        <source>Log In Error</source>
        <translation>Anmeldefehler</translation>
    </message>
    <message>
        <source>The list of employees cannot be read</source>
        <translation>Die Mitarbeiterliste kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Please enter a valid Name or click on the Combo Box.</source>
        <translation>Bitte geben Sie einen gültigen Namen ein oder wählen Sie ihn in der Auswahlliste aus.</translation>
    </message>
    <message>
        <source>The time log of %1 cannot be opened</source>
        <translation>Das Zeitprotokoll von %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The time log of %1 is missing from the company database, so %1 cannot log on. Please ask the Manager to look into it.</source>
        <translation>Das Zeitprotokoll von %1 fehlt in der Firmendatenbank, daher kann sich %1 nicht anmelden. Bitte wenden Sie sich an den Manager.</translation>
    </message>
    <message>
        <source>Incorrect Password, Please retry or Cancel.</source>
        <translation>Falsches Passwort. Bitte versuchen Sie es erneut oder brechen Sie ab.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Passwortfehler</translation>
    </message>
    <message>
        <source>Click here for names--&gt;</source>
        <translation>Hier klicken für Namen--&gt;</translation>
    </message>
    <message>
        <source>Click here for choice of Names----&gt;</source>
        <translation>Hier klicken für die Namensauswahl----&gt;</translation>
    </message>
</context>
<context>
    <name>pw::MainWindow</name>
    <message>
        <source>Forgotten clock-out</source>
        <translation>Ausstempeln vergessen?</translation>
    </message>
    <message>
        <source>Punchwell functions</source>
        <translation>Punchwell-Funktionen</translation>
    </message>
    <message>
        <source>Time Functions</source>
        <translation>Zeiterfassung</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Verwaltung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Clock &amp;In</source>
        <translation>&amp;Einstempeln</translation>
    </message>
    <message>
        <source>Clock &amp;Out</source>
        <translation>&amp;Ausstempeln</translation>
    </message>
    <message>
        <source>&amp;Print Log</source>
        <translation>Protokoll &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Clear Log</source>
        <translation>Protokoll &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Delete Last</source>
        <translation>Letzten Eintrag lö&amp;schen</translation>
    </message>
    <message>
        <source>Change My Pass&amp;word</source>
        <translation>Mein &amp;Passwort ändern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>You have been clocked in since %1, more than %2 hours ago. Did you forget to clock out?</source>
        <translation>Sie sind seit %1 eingestempelt, also seit mehr als %2 Stunden. Haben Sie vergessen, sich auszustempeln?</translation>
    </message>
</context>
<context>
    <name>pw::ManagementTab</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Delete Error</source>
        <translation>Fehler beim Löschen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Employee&apos;s estimated wages</source>
        <translation>Geschätzter Lohn des Mitarbeiters</translation>
    </message>
    <message>
        <source>seal %1</source>
        <translation>Siegel %1</translation>
    </message>
    <message>
        <source>the records have no journal yet</source>
        <translation>die Aufzeichnungen haben noch kein Journal</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify from row %1 on</source>
        <translation>das Journal der Aufzeichnungen ist beschädigt: ab Zeile %1 stimmen sie nicht mehr mit ihm überein</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify</source>
        <translation>das Journal der Aufzeichnungen ist beschädigt: sie stimmen nicht mit ihm überein</translation>
    </message>
    <message>
        <source>Select an Employee:</source>
        <translation>Mitarbeiter auswählen:</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Blättern</translation>
    </message>
    <message>
        <source>Employee name</source>
        <translation>Name des Mitarbeiters</translation>
    </message>
    <message>
        <source>$/hr:</source>
        <translation>Lohn/Std.:</translation>
    </message>
    <message>
        <source>Wage per hour</source>
        <translation>Stundenlohn</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Stunden:</translation>
    </message>
    <message>
        <source>Employee&apos;s hours</source>
        <translation>Stunden des Mitarbeiters</translation>
    </message>
    <message>
        <source>Employee&apos;s time log</source>
        <translation>Zeitprotokoll des Mitarbeiters</translation>
    </message>
    <message>
        <source>Toggle Employee Grid</source>
        <translation>Mitarbeitertabelle ein/aus</translation>
    </message>
    <message>
        <source>Click here to view an Employee&apos;s data in a Data Grid.</source>
        <translation>Hier klicken, um die Daten eines Mitarbeiters in einer Tabelle anzuzeigen.</translation>
    </message>
    <message>
        <source>Functions:</source>
        <translation>Funktionen:</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Neu anlegen</translation>
    </message>
    <message>
        <source>Add a new Employee</source>
        <translation>Neuen Mitarbeiter anlegen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete an Employee</source>
        <translation>Mitarbeiter löschen</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Protokoll leeren</translation>
    </message>
    <message>
        <source>Clear an Employee&apos;s logs</source>
        <translation>Protokoll eines Mitarbeiters leeren</translation>
    </message>
    <message>
        <source>Print Log</source>
        <translation>Protokoll drucken</translation>
    </message>
    <message>
        <source>Print an Employee&apos;s Time Card</source>
        <translation>Stempelkarte eines Mitarbeiters drucken</translation>
    </message>
    <message>
        <source>Chg Pass</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Change an Employee&apos;s password</source>
        <translation>Passwort eines Mitarbeiters ändern</translation>
    </message>
    <message>
        <source>Get Hrs/$</source>
        <translation>Std./Lohn</translation>
    </message>
    <message>
        <source>Get the Employee&apos;s total number of hours and pay.</source>
        <translation>Gesamtstunden und Lohn des Mitarbeiters ermitteln.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Show every change to the employee&apos;s records</source>
        <translation>Alle Änderungen an den Aufzeichnungen des Mitarbeiters anzeigen</translation>
    </message>
    <message>
        <source>Who&apos;s In</source>
        <translation>Anwesenheit</translation>
    </message>
    <message>
        <source>Show who is clocked in now</source>
        <translation>Anzeigen, wer gerade eingestempelt ist</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Change Punchwell&apos;s properties</source>
        <translation>Eigenschaften von Punchwell ändern</translation>
    </message>
    <message>
        <source>Save every employee&apos;s hours through an ending date for payroll</source>
        <translation>Die Stunden aller Mitarbeiter bis zu einem Enddatum für die Lohnabrechnung speichern</translation>
    </message>
    <message>
        <source>Would you like to print all employees? (default:  print current employee only)</source>
        <translation>Möchten Sie für alle Mitarbeiter drucken? (Standard:  nur den aktuellen Mitarbeiter drucken)</translation>
    </message>
    <message>
        <source>Print Punchwell through this ending date: </source>
        <translation>Punchwell bis zu diesem Enddatum drucken: </translation>
    </message>
    <message>
        <source>Printing was stopped after %1 of %2 employees.</source>
        <translation>Das Drucken wurde nach %1 von %2 Mitarbeitern abgebrochen.</translation>
    </message>
    <message>
        <source>Would you like to clear the log for all employees? (default: clear current employee only)</source>
        <translation>Möchten Sie das Protokoll aller Mitarbeiter leeren? (Standard: nur das des aktuellen Mitarbeiters leeren)</translation>
    </message>
    <message>
        <source>Clear log until this date: </source>
        <translation>Protokoll bis zu diesem Datum leeren: </translation>
    </message>
    <message>
        <source>Clearing was stopped after %1 of %2 employees.</source>
        <translation>Das Leeren wurde nach %1 von %2 Mitarbeitern abgebrochen.</translation>
    </message>
    <message>
        <source>Sorry, cannot delete the Manager</source>
        <translation>Der Manager kann leider nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Sorry, the list of employees cannot be read</source>
        <translation>Die Mitarbeiterliste kann leider nicht gelesen werden</translation>
    </message>
    <message>
        <source>Sorry, the Name doesn&apos;t appear to exist.  Try again.</source>
        <translation>Diesen Namen gibt es leider nicht.  Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Deleting an employee is permanent.  He/She will no longer be able to use the Punchwell Program unless you add them again. Do you want to continue ?</source>
        <translation>Das Löschen eines Mitarbeiters ist endgültig.  Er/Sie kann Punchwell dann nicht mehr benutzen, es sei denn, Sie legen ihn/sie erneut an. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Punchwell Warning</source>
        <translation>Punchwell-Warnung</translation>
    </message>
    <message>
        <source>Sorry, the Employee could not be deleted</source>
        <translation>Der Mitarbeiter konnte leider nicht gelöscht werden</translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <translation>  Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Employee has been deleted.</source>
        <translation>Der Mitarbeiter wurde gelöscht.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Export Punchwell through this ending date: </source>
        <translation>Punchwell bis zu diesem Enddatum exportieren: </translation>
    </message>
    <message>
        <source>Save every employee&apos;s hours as a CSV file</source>
        <translation>Die Stunden aller Mitarbeiter als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>hours-%1.csv</source>
        <translation>stunden-%1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The hours of %1 (%2) were saved in %3 (%4).</source>
        <translation>Die Stunden von %1 (%2) wurden in %3 gespeichert (%4).</translation>
    </message>
    <message>
        <source>1 employee</source>
        <translation>1 Mitarbeiter</translation>
    </message>
    <message>
        <source>%1 employees</source>
        <translation>%1 Mitarbeitern</translation>
    </message>
    <message>
        <source>1 shift</source>
        <translation>1 Schicht</translation>
    </message>
    <message>
        <source>%1 shifts</source>
        <translation>%1 Schichten</translation>
    </message>
    <message>
        <source>Sorry, the hours could not be exported</source>
        <translation>Die Stunden konnten leider nicht exportiert werden</translation>
    </message>
    <message>
        <source>  No file was saved.</source>
        <translation>  Es wurde keine Datei gespeichert.</translation>
    </message>
    <message>
        <source>Sorry, the hours could not be saved in %1: %2</source>
        <translation>Die Stunden konnten leider nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>pw::PasswordDialog</name>
    <message>
        <source>Change Pass Error</source>
        <translation>Fehler beim Ändern des Passworts</translation>
    </message>
    <message>
        <source>Enter New Password:</source>
        <translation>Neues Passwort eingeben:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Employee&apos;s new password</source>
        <translation>Neues Passwort des Mitarbeiters</translation>
    </message>
    <message>
        <source>The password could not be stored</source>
        <translation>Das Passwort konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <translation>  Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Password Successfully Changed.  The Management functions open at your next logon.</source>
        <translation>Das Passwort wurde geändert.  Die Verwaltungsfunktionen stehen ab Ihrer nächsten Anmeldung zur Verfügung.</translation>
    </message>
    <message>
        <source>Password Successfully Changed.</source>
        <translation>Das Passwort wurde geändert.</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Sorry, their was a problem with the data file. Check with your system administrator.</source>
        <translation>Leider gab es ein Problem mit der Datendatei. Wenden Sie sich an Ihren Systemadministrator.</translation>
    </message>
</context>
<context>
    <name>pw::PropertiesDialog</name>
    <message>
        <source>User Properties:</source>
        <translation>Benutzereigenschaften:</translation>
    </message>
    <message>
        <source>Disable Employee Edits</source>
        <translation>Bearbeiten durch Mitarbeiter sperren</translation>
    </message>
    <message>
        <source>Disable Employee Wages Display</source>
        <translation>Lohnanzeige für Mitarbeiter ausblenden</translation>
    </message>
    <message>
        <source>Turn off all Login Descriptions</source>
        <translation>Tätigkeitsabfrage beim Einstempeln abschalten</translation>
    </message>
    <message>
        <source>The stored settings could not be read</source>
        <translation>Die gespeicherten Einstellungen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source> The switches are shown as off.</source>
        <translation> Die Schalter werden als ausgeschaltet angezeigt.</translation>
    </message>
    <message>
        <source>The setting could not be stored</source>
        <translation>Die Einstellung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source> Nothing was changed.</source>
        <translation> Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>pw::QtPrinterFactory</name>
    <message>
        <source>%1 could not be written completely</source>
        <translation>%1 konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>%1 reported an error while the job was sent</source>
        <translation>%1 hat beim Senden des Auftrags einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>%1 cannot be written (is the folder there, and may it be written to?)</source>
        <translation>%1 kann nicht geschrieben werden (gibt es den Ordner, und darf in ihn geschrieben werden?)</translation>
    </message>
    <message>
        <source>%1 did not accept the job</source>
        <translation>%1 hat den Auftrag nicht angenommen</translation>
    </message>
    <message>
        <source>%1 could not start a new page</source>
        <translation>%1 konnte keine neue Seite beginnen</translation>
    </message>
    <message>
        <source>this computer has no default printer</source>
        <translation>dieser Computer hat keinen Standarddrucker</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>der Drucker „%1“</translation>
    </message>
    <message>
        <source>%1 is stopped or out of order</source>
        <translation>%1 ist angehalten oder gestört</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>die Datei „%1“</translation>
    </message>
</context>
<context>
    <name>pw::RecordBrowser</name>
    <message>
        <source>First record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Letzter Datensatz</translation>
    </message>
</context>
<context>
    <name>pw::RunProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>pw::SplashWindow</name>
    <message>
        <source>Punchwell is starting</source>
        <translation>Punchwell wird gestartet</translation>
    </message>
</context>
<context>
    <name>pw::StartUp</name>
    <message>
        <source>Punchwell cannot find its company database in

%1

which holds no Punchwell company yet. Do you want to create a new company database there? Punchwell will then ask for your company name.</source>
        <translation>Punchwell kann seine Firmendatenbank nicht finden in

%1

Dort gibt es noch keine Punchwell-Firma. Möchten Sie dort eine neue Firmendatenbank anlegen? Punchwell fragt dann nach Ihrem Firmennamen.</translation>
    </message>
    <message>
        <source>Punchwell cannot find its company database

%1

Do you want to create a new company database there? Punchwell will then ask for your company name.</source>
        <translation>Punchwell kann seine Firmendatenbank nicht finden:

%1

Möchten Sie dort eine neue Firmendatenbank anlegen? Punchwell fragt dann nach Ihrem Firmennamen.</translation>
    </message>
</context>
<context>
    <name>pw::StatusText</name>
    <message>
        <source>Clocked In</source>
        <translation>Eingestempelt</translation>
    </message>
    <message>
        <source>Clocked Out</source>
        <translation>Ausgestempelt</translation>
    </message>
</context>
<context>
    <name>pw::StorageError</name>
    <message>
        <source>The time log of %1 cannot be used</source>
        <translation>Das Zeitprotokoll von %1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a wages display&apos;s tool-tip (%1), then why it shows 0 (%2)</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>pw::TaskPrompt</name>
    <message>
        <source>Enter a Task:</source>
        <translation>Tätigkeit eingeben:</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sorry, Tasks can only be up to 30 characters in length.</source>
        <translation>Eine Tätigkeit darf leider höchstens 30 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Clock In Error</source>
        <translation>Fehler beim Einstempeln</translation>
    </message>
    <message>
        <source>Clock In has been Canceled.  If you wish to disable the prompt for a project activity, check the box marked disable</source>
        <translation>Das Einstempeln wurde abgebrochen.  Wenn die Tätigkeit nicht mehr abgefragt werden soll, setzen Sie in den Eigenschaften das Häkchen bei „Tätigkeitsabfrage beim Einstempeln abschalten“.</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>pw::TimeFunctionsTab</name>
    <message>
        <source>Clock In Error</source>
        <translation>Fehler beim Einstempeln</translation>
    </message>
    <message>
        <source>Clock out Error</source>
        <translation>Fehler beim Ausstempeln</translation>
    </message>
    <message>
        <source>Estimated wages</source>
        <translation>Geschätzter Lohn</translation>
    </message>
    <message>
        <source>Logged-on employee</source>
        <translation>Angemeldeter Mitarbeiter</translation>
    </message>
    <message>
        <source>This displays the current users name</source>
        <translation>Zeigt den Namen des angemeldeten Benutzers</translation>
    </message>
    <message>
        <source>click here to</source>
        <translation>hier klicken zum</translation>
    </message>
    <message>
        <source>Click here to update the total hours</source>
        <translation>Hier klicken, um die Gesamtstunden zu aktualisieren</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>AKTUALISIEREN</translation>
    </message>
    <message>
        <source>Update the total hours</source>
        <translation>Gesamtstunden aktualisieren</translation>
    </message>
    <message>
        <source>Punchwell Data:</source>
        <translation>Punchwell-Daten:</translation>
    </message>
    <message>
        <source>Date and time of the entry</source>
        <translation>Datum und Uhrzeit des Eintrags</translation>
    </message>
    <message>
        <source>Current records time and data</source>
        <translation>Datum und Uhrzeit des aktuellen Datensatzes</translation>
    </message>
    <message>
        <source>LastLogon</source>
        <translation>Letzte Anmeldung</translation>
    </message>
    <message>
        <source>Status of the entry</source>
        <translation>Status des Eintrags</translation>
    </message>
    <message>
        <source>Status of the current record. </source>
        <translation>Status des aktuellen Datensatzes. </translation>
    </message>
    <message>
        <source>Task of the entry</source>
        <translation>Tätigkeit des Eintrags</translation>
    </message>
    <message>
        <source> Browser</source>
        <translation> Blättern</translation>
    </message>
    <message>
        <source>Click on there &quot;browser&quot; buttons to move between records.</source>
        <translation>Mit diesen „Blättern“-Schaltflächen wechseln Sie zwischen den Datensätzen.</translation>
    </message>
    <message>
        <source>ClockIn (F1)</source>
        <translation>Einstempeln (F1)</translation>
    </message>
    <message>
        <source>Click here to Clock In</source>
        <translation>Hier klicken zum Einstempeln</translation>
    </message>
    <message>
        <source>ClockOut (F2)</source>
        <translation>Ausstempeln (F2)</translation>
    </message>
    <message>
        <source>Click here to Clock Out</source>
        <translation>Hier klicken zum Ausstempeln</translation>
    </message>
    <message>
        <source>Tot. Hours</source>
        <translation>Std. gesamt</translation>
    </message>
    <message>
        <source>Total hours</source>
        <translation>Gesamtstunden</translation>
    </message>
    <message>
        <source>Total number of hours</source>
        <translation>Gesamtzahl der Stunden</translation>
    </message>
    <message>
        <source>Est. Wages</source>
        <translation>Lohn (geschätzt)</translation>
    </message>
    <message>
        <source>The time log of %1 cannot be opened</source>
        <translation>Das Zeitprotokoll von %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>You must first Clock Out.</source>
        <translation>Sie müssen sich zuerst ausstempeln.</translation>
    </message>
    <message>
        <source>The clock-in could not be stored, so nothing was written</source>
        <translation>Das Einstempeln konnte nicht gespeichert werden, daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <source> Please try again.</source>
        <translation> Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You must first Clock in.</source>
        <translation>Sie müssen sich zuerst einstempeln.</translation>
    </message>
    <message>
        <source>You must first Clock In.</source>
        <translation>Sie müssen sich zuerst einstempeln.</translation>
    </message>
    <message>
        <source>The clock-out could not be stored, so nothing was written</source>
        <translation>Das Ausstempeln konnte nicht gespeichert werden, daher wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>The last entry could not be deleted, so the log is unchanged</source>
        <translation>Der letzte Eintrag konnte nicht gelöscht werden, daher ist das Protokoll unverändert</translation>
    </message>
    <message>
        <source>The data is being sent to the default printer</source>
        <translation>Die Daten werden an den Standarddrucker gesendet</translation>
    </message>
    <message>
        <source>This will delete all clock in and clock out values.  It should only be done at the end of a time period.  Are you sure you want to continue ?</source>
        <translation>Dadurch werden alle Ein- und Ausstempelzeiten gelöscht.  Das sollte nur am Ende eines Abrechnungszeitraums geschehen.  Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Punchwell Warning</source>
        <translation>Punchwell-Warnung</translation>
    </message>
    <message>
        <source>Your log could not be cleared, so it is unchanged</source>
        <translation>Ihr Protokoll konnte nicht geleert werden, es ist unverändert</translation>
    </message>
</context>
<context>
    <name>pw::WhosInWindow</name>
    <message>
        <source>Who&apos;s In</source>
        <translation>Anwesenheit</translation>
    </message>
    <message>
        <source>Everyone clocked in now</source>
        <translation>Alle, die jetzt eingestempelt sind</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Seit</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>Sorry, who is in could not be read</source>
        <translation>Leider konnte nicht gelesen werden, wer anwesend ist</translation>
    </message>
    <message>
        <source>Who&apos;s In: nobody</source>
        <translation>Anwesend: niemand</translation>
    </message>
    <message>
        <source>Who&apos;s In: %1</source>
        <translation>Anwesend: %1</translation>
    </message>
</context>
<context>
    <name>pw::Windows</name>
    <message>
        <source>You will be unable to use Management functions until you change your password.</source>
        <translation>Sie können die Verwaltungsfunktionen erst nutzen, wenn Sie Ihr Passwort geändert haben.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>pw::artwork</name>
    <message>
        <source>the company time clock</source>
        <translation>die Stempeluhr für Ihre Firma</translation>
    </message>
</context>
<context>
    <name>pw::reportboxes::RunBoxes</name>
    <message>
        <source>Enter an ending date:</source>
        <translation>Enddatum eingeben:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date.  Please type the ending date as a date and time, such as %2, or as a date alone.  Nothing was done.</source>
        <translation>„%1“ ist kein Datum.  Bitte geben Sie das Enddatum als Datum mit Uhrzeit ein, etwa %2, oder nur als Datum.  Es wurde nichts ausgeführt.</translation>
    </message>
    <message>
        <source>Time card %1.pdf</source>
        <translation>Stempelkarte %1.pdf</translation>
    </message>
    <message>
        <source>The list of employees cannot be read</source>
        <translation>Die Mitarbeiterliste kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Please enter a valid Name or click on the Combo Box.</source>
        <translation>Bitte geben Sie einen gültigen Namen ein oder wählen Sie ihn in der Auswahlliste aus.</translation>
    </message>
    <message>
        <source>Log In Error</source>
        <translation>Anmeldefehler</translation>
    </message>
    <message>
        <source>The log of %1 could not be cleared, so it is unchanged</source>
        <translation>Das Protokoll von %1 konnte nicht geleert werden, es ist unverändert</translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: the time log cannot be read</source>
        <translation>Die Stempelkarte von %1 wurde nicht gedruckt: das Zeitprotokoll kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The time card of %1 could not be saved either: %2.</source>
        <translation>Die Stempelkarte von %1 konnte auch nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The time cards could not be saved: %1.</source>
        <translation>Die Stempelkarten konnten nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: %2.

Would you like to save the time card as a PDF file instead?</source>
        <translation>Die Stempelkarte von %1 wurde nicht gedruckt: %2.

Möchten Sie die Stempelkarte stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Save the time card of %1 as a PDF file</source>
        <translation>Stempelkarte von %1 als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: %2.

Would you like to save this time card and the rest of this run&apos;s as one PDF file instead?</source>
        <translation>Die Stempelkarte von %1 wurde nicht gedruckt: %2.

Möchten Sie diese Stempelkarte und die übrigen dieses Durchgangs stattdessen als eine PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Save the time cards as one PDF file</source>
        <translation>Stempelkarten als eine PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Time cards up to %1.pdf</source>
        <translation>Stempelkarten bis %1.pdf</translation>
    </message>
</context>
<context>
    <name>pw::timecard</name>
    <message>
        <source>Employee Name:  </source>
        <translation>Name des Mitarbeiters:  </translation>
    </message>
    <message>
        <source>Clock In</source>
        <translation>Einstempeln</translation>
    </message>
    <message>
        <source>Clock Out</source>
        <translation>Ausstempeln</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>Sub Total (Hours)</source>
        <translation>Zwischensumme (Std.)</translation>
    </message>
    <message>
        <source> has a total of </source>
        <translation> hat insgesamt </translation>
    </message>
    <message>
        <source> hours </source>
        <translation> Stunden </translation>
    </message>
    <message>
        <source>Punchwell time card: %1</source>
        <translation>Punchwell-Stempelkarte: %1</translation>
    </message>
    <message>
        <source>Punchwell time cards</source>
        <translation>Punchwell-Stempelkarten</translation>
    </message>
    <message>
        <source>Punchwell Data for:  </source>
        <translation>Punchwell-Daten für:  </translation>
    </message>
    <message>
        <source>Punchwell Log for  </source>
        <translation>Punchwell-Protokoll für  </translation>
    </message>
    <message>
        <source>Punchwell Log for:  </source>
        <translation>Punchwell-Protokoll für:  </translation>
    </message>
</context>
</TS>
