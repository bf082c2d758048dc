<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>pw::AboutTab</name>
    <message>
        <source>About this Program:</source>
        <translation>Acerca de este programa:</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Nombre de la empresa:</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Nombre de la empresa</translation>
    </message>
    <message>
        <source>Punchwell, the company time clock.</source>
        <translation>Punchwell, el reloj de fichaje de la empresa.</translation>
    </message>
</context>
<context>
    <name>pw::AccessStartUp</name>
    <message>
        <source>Bringing over %1</source>
        <translation>Traspasando %1</translation>
    </message>
    <message>
        <source>The company file

%1

is an Access-format database (%2) with %3 employees. Punchwell can bring the company over into a file of its own:

• the old file is kept, renamed “%4”, and is never written to;
• a new Punchwell file “%5” is made from it and compared with it, value by value.

Do you want to bring the company over now?</source>
        <translation>El archivo de la empresa

%1

es una base de datos en formato Access (%2) con %3 empleados. Punchwell puede traspasar la empresa a un archivo propio:

• el archivo antiguo se conserva, con el nombre «%4», y nunca se escribe en él;
• a partir de él se crea un archivo nuevo de Punchwell, «%5», que se compara con el antiguo valor por valor.

¿Desea traspasar la empresa ahora?</translation>
    </message>
    <message>
        <source>Bringing the company over</source>
        <translation>Traspaso de la empresa</translation>
    </message>
    <message>
        <source>The company has been brought over into a new Punchwell file, “%1”. The old Access-format file is kept as “%2”.

%3</source>
        <translation>La empresa se ha traspasado a un archivo nuevo de Punchwell, «%1». El archivo antiguo en formato Access se conserva como «%2».

%3</translation>
    </message>
</context>
<context>
    <name>pw::AddEmployeeDialog</name>
    <message>
        <source>Add a New Employee:</source>
        <translation>Añadir un empleado nuevo:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Wage per hour (required)</source>
        <translation>Salario por hora (obligatorio)</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Wage/hour: (required)</source>
        <translation>Salario/hora: (obligatorio)</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>Add Error</source>
        <translation>Error al añadir</translation>
    </message>
    <message>
        <source>Sorry, the Employee could not be added</source>
        <translation>Lo sentimos, no se pudo añadir el empleado</translation>
    </message>
    <message>
        <source>  Nothing was stored.</source>
        <translation>  No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Sorry, the name is to long.  Please type in a name with less than 20 characters and without special characters (i.e. period, quotation marks, etc.)</source>
        <translation>Lo sentimos, el nombre es demasiado largo.  Escriba un nombre de menos de 20 caracteres y sin caracteres especiales (p. ej., puntos, comillas, etc.)</translation>
    </message>
    <message>
        <source>Add error</source>
        <translation>Error al añadir</translation>
    </message>
    <message>
        <source>Sorry, this Employee already exists.</source>
        <translation>Lo sentimos, este empleado ya existe.</translation>
    </message>
    <message>
        <source>Sorry, the name is empty.  Please type in the new Employee&apos;s name.</source>
        <translation>Lo sentimos, el nombre está vacío.  Escriba el nombre del empleado nuevo.</translation>
    </message>
    <message>
        <source>Sorry, the name is only blanks.  Please type in the new Employee&apos;s name.</source>
        <translation>Lo sentimos, el nombre solo contiene espacios.  Escriba el nombre del empleado nuevo.</translation>
    </message>
    <message>
        <source>Sorry, the name holds a character that cannot be stored.  Please type in the name without it.</source>
        <translation>Lo sentimos, el nombre contiene un carácter que no se puede guardar.  Escriba el nombre sin ese carácter.</translation>
    </message>
    <message>
        <source>Sorry, names beginning with &quot;sqlite_&quot; are reserved for the data file itself.  Please type in another name.</source>
        <translation>Lo sentimos, los nombres que empiezan por «sqlite_» están reservados para el propio archivo de datos.  Escriba otro nombre.</translation>
    </message>
    <message>
        <source>Sorry, the name takes more room than the company database keeps for a name.  Please type in a shorter name.</source>
        <translation>Lo sentimos, el nombre ocupa más espacio del que la base de datos de la empresa reserva para un nombre.  Escriba un nombre más corto.</translation>
    </message>
    <message>
        <source>Sorry, the data file already holds a table of this name (capital and small letters count as the same there).  Please type in another name.</source>
        <translation>Lo sentimos, el archivo de datos ya contiene una tabla con este nombre (allí no se distingue entre mayúsculas y minúsculas).  Escriba otro nombre.</translation>
    </message>
    <message>
        <source>Employee has been added!</source>
        <translation>¡Se ha añadido el empleado!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>pw::ClockDisplay</name>
    <message>
        <source>Time and Date:</source>
        <translation>Hora y fecha:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Current Date</source>
        <translation>Fecha actual</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Hora actual</translation>
    </message>
</context>
<context>
    <name>pw::CommandText</name>
    <message>
        <source>the hours were not exported: %1</source>
        <translation>no se exportaron las horas: %1</translation>
    </message>
    <message>
        <source>the journal was not exported: %1</source>
        <translation>no se exportó el diario: %1</translation>
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
        <translation>Uso: punchwell [--database UBICACIÓN]
     punchwell --copy-company ORIGEN DESTINO
     punchwell [--database UBICACIÓN] --export-hours ARCHIVO [--through FECHAHORA]
     punchwell [--database UBICACIÓN] --verify-records [--seal HEX]
     punchwell [--database UBICACIÓN] --export-history ARCHIVO
     punchwell --help

Punchwell, el reloj de fichaje de una pequeña empresa.

  --database UBICACIÓN     usar la empresa que está en UBICACIÓN: una base de datos de
                           un servidor PostgreSQL,
                           postgresql://USUARIO@SERVIDOR:PUERTO/BASEDATOS?sslmode=require,
                           o la ruta de un archivo SQLite
  --copy-company ORIGEN DESTINO
                           copiar todas las tablas y filas de la empresa de ORIGEN en
                           DESTINO (cada uno, una dirección postgresql:// o la ruta de
                           un archivo), comprobar la copia y terminar, sin ventanas;
                           DESTINO no debe contener todavía ninguna empresa
  --export-hours ARCHIVO   guardar los turnos de cada empleado hasta la fecha final en
                           un archivo CSV para la nómina y terminar, sin ventanas; la
                           empresa solo se lee
  --through FECHAHORA      la fecha final de --export-hours (por defecto: ahora), en
                           ISO 8601 (2026-12-07T17:00) o tal como la escribiría aquí
  --verify-records         comprobar que los datos de la empresa son exactamente lo que
                           dice su diario de cambios, mostrar el sello y terminar; la
                           empresa solo se lee
  --seal HEX               con --verify-records: comprobar también que un sello anotado
                           antes (16 dígitos hexadecimales) es uno de los del propio
                           diario
  --export-history ARCHIVO guardar el diario de todos los cambios en los datos de la
                           empresa como archivo CSV, mostrar el sello de los datos y
                           terminar, sin ventanas; la empresa solo se lee
  -h, --help               mostrar este texto y terminar

Sin --database, la empresa es la que indica url en el grupo [database] del archivo
Punchwell.conf de la carpeta en la que se inicia Punchwell:

  [database]
  url = postgresql://clock@office-pc/acme

y, si no existe ese archivo, Employee.mdb de esa carpeta. Una contraseña nunca va en la
línea de órdenes ni en Punchwell.conf: la guardan los lugares propios de PostgreSQL
(~/.pgpass, PGPASSFILE, PGPASSWORD o un archivo de servicio).
</translation>
    </message>
    <message>
        <source>--database is given twice</source>
        <translation>--database se ha indicado dos veces</translation>
    </message>
    <message>
        <source>--database needs a location: a postgresql:// address or a file&apos;s path</source>
        <translation>--database necesita una ubicación: una dirección postgresql:// o la ruta de un archivo</translation>
    </message>
    <message>
        <source>--copy-company is given twice</source>
        <translation>--copy-company se ha indicado dos veces</translation>
    </message>
    <message>
        <source>--copy-company needs two locations: FROM and TO</source>
        <translation>--copy-company necesita dos ubicaciones: ORIGEN y DESTINO</translation>
    </message>
    <message>
        <source>--copy-company names both companies itself; leave out --database</source>
        <translation>--copy-company ya indica las dos empresas; omita --database</translation>
    </message>
    <message>
        <source>--export-hours is given twice</source>
        <translation>--export-hours se ha indicado dos veces</translation>
    </message>
    <message>
        <source>--export-hours needs the path of the file to write</source>
        <translation>--export-hours necesita la ruta del archivo que se va a escribir</translation>
    </message>
    <message>
        <source>--export-hours and --copy-company cannot be given together</source>
        <translation>--export-hours y --copy-company no se pueden indicar juntas</translation>
    </message>
    <message>
        <source>--through is given twice</source>
        <translation>--through se ha indicado dos veces</translation>
    </message>
    <message>
        <source>--through needs an ending date</source>
        <translation>--through necesita una fecha final</translation>
    </message>
    <message>
        <source>--through is the ending date of --export-hours, which is not given</source>
        <translation>--through es la fecha final de --export-hours, que no se ha indicado</translation>
    </message>
    <message>
        <source>--through: &quot;%1&quot; is not a date and time</source>
        <translation>--through: «%1» no es una fecha y hora</translation>
    </message>
    <message>
        <source>--verify-records is given alone, without --copy-company, --export-hours or --export-history</source>
        <translation>--verify-records se ha indicado sola, sin --copy-company, --export-hours ni --export-history</translation>
    </message>
    <message>
        <source>--seal is a seal for --verify-records to look for, which is not given</source>
        <translation>--seal es un sello que debe buscar --verify-records, que no se ha indicado</translation>
    </message>
    <message>
        <source>--seal needs the 16 hex digits of a seal noted earlier, not &quot;%1&quot;</source>
        <translation>--seal necesita los 16 dígitos hexadecimales de un sello anotado antes, no «%1»</translation>
    </message>
    <message>
        <source>--export-history is given twice</source>
        <translation>--export-history se ha indicado dos veces</translation>
    </message>
    <message>
        <source>--export-history needs the path of the file to write</source>
        <translation>--export-history necesita la ruta del archivo que se va a escribir</translation>
    </message>
    <message>
        <source>--export-history and %1 cannot be given together</source>
        <translation>--export-history y %1 no se pueden indicar juntas</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>the file %1 cannot be read: %2</source>
        <translation>no se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>the file %1 is not UTF-8 text</source>
        <translation>el archivo %1 no es texto UTF-8</translation>
    </message>
    <message>
        <source>line %1 of %2 is not a group: %3</source>
        <translation>la línea %1 de %2 no es un grupo: %3</translation>
    </message>
    <message>
        <source>line %1 of %2 is not &quot;key = value&quot;: %3</source>
        <translation>la línea %1 de %2 no tiene la forma «clave = valor»: %3</translation>
    </message>
    <message>
        <source>%1 gives url in [database] more than once</source>
        <translation>%1 indica url en [database] más de una vez</translation>
    </message>
    <message>
        <source>%1 gives an empty url in [database]</source>
        <translation>%1 indica una url vacía en [database]</translation>
    </message>
    <message>
        <source>line %1 of %2 holds the secret %3. Put a password in the file .pgpass, and other secrets in a service file (pg_service.conf), where only you can read them</source>
        <translation>la línea %1 de %2 contiene el dato secreto %3. Ponga las contraseñas en el archivo .pgpass y los demás datos secretos en un archivo de servicio (pg_service.conf), donde solo usted pueda leerlos</translation>
    </message>
    <message>
        <source>line %1 of %2: idle_logoff must be a whole number of seconds from 1 to %3, not &quot;%4&quot;</source>
        <translation>línea %1 de %2: idle_logoff debe ser un número entero de segundos de 1 a %3, no «%4»</translation>
    </message>
    <message>
        <source>%1 gives idle_logoff in [workstation] more than once</source>
        <translation>%1 indica idle_logoff en [workstation] más de una vez</translation>
    </message>
    <message>
        <source>punchwell: %1
Try &apos;punchwell --help&apos;.
</source>
        <translation>punchwell: %1
Pruebe «punchwell --help».
</translation>
    </message>
    <message>
        <source>punchwell: %1</source>
        <translation>punchwell: %1</translation>
    </message>
    <message>
        <source>Copied the company from %1 to %2: %3 tables, 1 row, read back and found equal.</source>
        <translation>Se ha copiado la empresa de %1 a %2: %3 tablas, 1 fila; releída la copia, coincide con el original.</translation>
    </message>
    <message>
        <source>Copied the company from %1 to %2: %3 tables, %4 rows, read back and found equal.</source>
        <translation>Se ha copiado la empresa de %1 a %2: %3 tablas, %4 filas; releída la copia, coincide con el original.</translation>
    </message>
    <message>
        <source>%1 Tables made by hand without a stored order were copied in the order the source&apos;s database gave their rows: %2.</source>
        <translation>%1 Las tablas creadas a mano sin un orden guardado se copiaron en el orden en que la base de datos de origen entregó sus filas: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Its records could not be verified: %1.</source>
        <translation>No se pudieron verificar sus datos: %1.</translation>
    </message>
    <message>
        <source>Its records verify, seal %1.</source>
        <translation>Sus datos superan la verificación, sello %1.</translation>
    </message>
    <message>
        <source>It has no journal of changes yet.</source>
        <translation>Todavía no tiene diario de cambios.</translation>
    </message>
    <message>
        <source>Its records do not verify: %1.</source>
        <translation>Sus datos no superan la verificación: %1.</translation>
    </message>
    <message>
        <source>Brought the company over from %1 to %2, read both back and found them equal.</source>
        <translation>Se ha traspasado la empresa de %1 a %2; releídos ambos, coinciden.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>seal %1</source>
        <translation>sello %1</translation>
    </message>
    <message>
        <source>the records have no journal yet</source>
        <translation>los datos todavía no tienen diario</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify from row %1 on</source>
        <translation>el diario de los datos está roto: no superan la verificación a partir de la fila %1</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify</source>
        <translation>el diario de los datos está roto: no superan la verificación</translation>
    </message>
    <message>
        <source>1 shift</source>
        <translation>1 turno</translation>
    </message>
    <message>
        <source>%1 shifts</source>
        <translation>%1 turnos</translation>
    </message>
    <message>
        <source>1 employee</source>
        <translation>1 empleado</translation>
    </message>
    <message>
        <source>%1 employees</source>
        <translation>%1 empleados</translation>
    </message>
    <message>
        <source>Exported %1 of %2 to %3 (%4).</source>
        <translation>Exportación a %3 terminada: %1 de %2 (%4).</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 fila</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 filas</translation>
    </message>
    <message>
        <source>Exported the journal&apos;s %1 to %2 (%3).</source>
        <translation>Exportación del diario a %2 terminada: %1 (%3).</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The records verify: %1 in the journal, seal %2</source>
        <translation>Los datos superan la verificación: %1 en el diario, sello %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>row %1 of the journal breaks its chain: it was changed, removed or put in</source>
        <translation>la fila %1 del diario rompe su cadena: se modificó, se eliminó o se insertó</translation>
    </message>
    <message>
        <source>row %1 of the journal does not fit the records the rows before it made</source>
        <translation>la fila %1 del diario no concuerda con los datos que formaron las filas anteriores</translation>
    </message>
    <message>
        <source>the seal noted is not one of this journal&apos;s own: the records were rewritten since it was noted</source>
        <translation>el sello anotado no es de este diario: los datos se han reescrito desde que se anotó</translation>
    </message>
    <message>
        <source>&quot;Company Data&quot;, row %1: stored %2, the journal says %3</source>
        <translation>«Company Data», fila %1: guardado %2, el diario dice %3</translation>
    </message>
    <message>
        <source>the employee list, row %1: stored %2, the journal says %3</source>
        <translation>la lista de empleados, fila %1: guardado %2, el diario dice %3</translation>
    </message>
    <message>
        <source>the log of %1, entry %2: stored %3, the journal says %4</source>
        <translation>el registro de %1, fichaje %2: guardado %3, el diario dice %4</translation>
    </message>
    <message>
        <source>the table %1 is a log the journal never made</source>
        <translation>la tabla %1 es un registro que el diario nunca creó</translation>
    </message>
    <message>
        <source>the log of %1 is missing</source>
        <translation>falta el registro de %1</translation>
    </message>
    <message>
        <source>the records cannot be verified: the company has no journal of changes yet (it gets one when Punchwell first opens it to work)</source>
        <translation>no se pueden verificar los datos: la empresa todavía no tiene diario de cambios (lo obtiene la primera vez que Punchwell la abre para trabajar)</translation>
    </message>
    <message>
        <source>the records do not verify: %1</source>
        <translation>los datos no superan la verificación: %1</translation>
    </message>
    <message>
        <source>the records were not verified: %1</source>
        <translation>no se verificaron los datos: %1</translation>
    </message>
    <message>
        <source>an empty name</source>
        <translation>un nombre vacío</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>más de %1 caracteres</translation>
    </message>
    <message>
        <source>a character a table name cannot hold</source>
        <translation>un carácter que un nombre de tabla no puede contener</translation>
    </message>
    <message>
        <source>listed %1 times</source>
        <translation>aparece %1 veces</translation>
    </message>
    <message>
        <source>the name of one of the company&apos;s own tables</source>
        <translation>el nombre de una de las tablas propias de la empresa</translation>
    </message>
    <message>
        <source>the same as %1 but for capital and small letters, so the two share one time log</source>
        <translation>igual que %1 salvo por mayúsculas y minúsculas, por lo que los dos comparten un registro de fichajes</translation>
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
        <translation>Se han traspasado %1 empleados y %2 fichajes en %3 segundos.</translation>
    </message>
    <message>
        <source>%1: no time log</source>
        <translation>%1: sin registro de fichajes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Entries per employee:</source>
        <translation>Fichajes por empleado:</translation>
    </message>
    <message>
        <source>%1 (%2 entries)</source>
        <translation>%1 (%2 fichajes)</translation>
    </message>
    <message>
        <source>Time logs of no listed employee, kept under their own names: %1.</source>
        <translation>Registros de fichajes de empleados que no están en la lista, conservados con sus propios nombres: %1.</translation>
    </message>
    <message>
        <source>Names the add dialog would not accept, brought over as they are so these employees can still log on: %1.</source>
        <translation>Nombres que el cuadro de alta de empleados no aceptaría, traspasados tal cual para que estos empleados puedan seguir iniciando sesión: %1.</translation>
    </message>
    <message>
        <source>Left out, as they are neither the company&apos;s tables nor time logs: %1.</source>
        <translation>Omitidas, porque no son ni tablas de la empresa ni registros de fichajes: %1.</translation>
    </message>
    <message>
        <source>Fields left out: %1.</source>
        <translation>Campos omitidos: %1.</translation>
    </message>
    <message>
        <source>The old file held no company settings: Punchwell will ask for the company name.</source>
        <translation>El archivo antiguo no contenía ajustes de la empresa: Punchwell le pedirá el nombre de la empresa.</translation>
    </message>
</context>
<context>
    <name>pw::ErrorText</name>
    <message>
        <source>the PostgreSQL server of this computer</source>
        <translation>el servidor PostgreSQL de este equipo</translation>
    </message>
    <message>
        <source>the server of the service &quot;%1&quot;</source>
        <translation>el servidor del servicio «%1»</translation>
    </message>
    <message>
        <source>the server at %1</source>
        <translation>el servidor en %1</translation>
    </message>
    <message>
        <source>the server at [%1]:%2</source>
        <translation>el servidor en [%1]:%2</translation>
    </message>
    <message>
        <source>the server at %1:%2</source>
        <translation>el servidor en %1:%2</translation>
    </message>
    <message>
        <source>the default database on %1</source>
        <translation>la base de datos predeterminada de %1</translation>
    </message>
    <message>
        <source>the database &quot;%1&quot; on %2</source>
        <translation>la base de datos «%1» de %2</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>the source and the target are the same</source>
        <translation>el origen y el destino son el mismo</translation>
    </message>
    <message>
        <source>%1 holds a company already (the table &quot;%2&quot;)</source>
        <translation>%1 ya contiene una empresa (la tabla «%2»)</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has no fields</source>
        <translation>la tabla «%1» no tiene campos</translation>
    </message>
    <message>
        <source>the target cannot hold a table named &quot;%1&quot;</source>
        <translation>el destino no puede contener una tabla llamada «%1»</translation>
    </message>
    <message>
        <source>a second table is named &quot;%1&quot; there (capital and small letters count as the same)</source>
        <translation>allí hay otra tabla llamada «%1» (no se distingue entre mayúsculas y minúsculas)</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has a field &quot;%2&quot;, a name the target keeps for itself</source>
        <translation>la tabla «%1» tiene un campo «%2», un nombre que el destino reserva para sí</translation>
    </message>
    <message>
        <source>the target&apos;s tables differ from the source&apos;s after the copy</source>
        <translation>tras la copia, las tablas del destino difieren de las del origen</translation>
    </message>
    <message>
        <source>the fields of the table &quot;%1&quot; differ after the copy</source>
        <translation>tras la copia, los campos de la tabla «%1» difieren</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has %2 rows in the source and %3 in the target after the copy</source>
        <translation>tras la copia, la tabla «%1» tiene %2 filas en el origen y %3 en el destino</translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; differs between the source and the target after the copy</source>
        <translation>tras la copia, la fila %1 de la tabla «%2» difiere entre el origen y el destino</translation>
    </message>
    <message>
        <source>another program made the file %1 while the copy was being written; that file was left as it is</source>
        <translation>otro programa creó el archivo %1 mientras se escribía la copia; ese archivo se ha dejado tal cual</translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; holds in the field &quot;%3&quot; bytes that are not UTF-8 text, which cannot be copied exactly</source>
        <translation>la fila %1 de la tabla «%2» contiene en el campo «%3» bytes que no son texto UTF-8, que no se pueden copiar con exactitud</translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; holds in the field &quot;%3&quot; a text with a NUL character, which a database server cannot keep</source>
        <translation>la fila %1 de la tabla «%2» contiene en el campo «%3» un texto con un carácter NUL, que un servidor de bases de datos no puede guardar</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has a name that not every kind of company database can hold (a file keeps names beginning with &quot;sqlite_&quot; for itself, a server holds at most 63 bytes of a name), so the company could never move to the other kind</source>
        <translation>la tabla «%1» tiene un nombre que no todos los tipos de base de datos de empresa admiten (un archivo reserva para sí los nombres que empiezan por «sqlite_» y un servidor admite como máximo 63 bytes de un nombre), por lo que la empresa nunca podría pasar al otro tipo</translation>
    </message>
    <message>
        <source>it is not a postgresql:// address (%1)</source>
        <translation>no es una dirección postgresql:// (%1)</translation>
    </message>
    <message>
        <source>it holds a password. Put the password in the file .pgpass (or a service file) instead, where only you can read it</source>
        <translation>contiene una contraseña. Ponga la contraseña en el archivo .pgpass (o en un archivo de servicio), donde solo usted pueda leerla</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a connection parameter</source>
        <translation>«%1» no es un parámetro de conexión</translation>
    </message>
    <message>
        <source>the value of %1 holds a &apos;;&apos;</source>
        <translation>el valor de %1 contiene un «;»</translation>
    </message>
    <message>
        <source>it is not a well-formed server address. It reads postgresql://USER@HOST:PORT/DATABASE, and parameters may follow after &apos;?&apos;</source>
        <translation>no es una dirección de servidor bien formada. Tiene la forma postgresql://USUARIO@SERVIDOR:PUERTO/BASEDATOS, y puede llevar parámetros detrás de «?»</translation>
    </message>
    <message>
        <source>it holds the secret parameter %1. Put it in a service file (pg_service.conf) instead, where only you can read it, and name the service with service=</source>
        <translation>contiene el parámetro secreto %1. Póngalo en un archivo de servicio (pg_service.conf), donde solo usted pueda leerlo, e indique el servicio con service=</translation>
    </message>
    <message>
        <source>it is cut short (%1 bytes, not a whole number of %2-byte pages)</source>
        <translation>está truncado (%1 bytes, que no son un número entero de páginas de %2 bytes)</translation>
    </message>
    <message>
        <source>it is cut short (%1 bytes, too short to hold its list of tables)</source>
        <translation>está truncado (%1 bytes, demasiado corto para contener su lista de tablas)</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>no se puede leer su lista de tablas</translation>
    </message>
    <message>
        <source>the definition of the table %1 cannot be read</source>
        <translation>no se puede leer la definición de la tabla %1</translation>
    </message>
    <message>
        <source>row %1 of the table %2 cannot be found</source>
        <translation>no se encuentra la fila %1 de la tabla %2</translation>
    </message>
    <message>
        <source>row %1 of the table %2 cannot be taken apart</source>
        <translation>no se puede descomponer la fila %1 de la tabla %2</translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a damaged value in the column %3</source>
        <translation>la fila %1 de la tabla %2 tiene un valor dañado en la columna %3</translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a damaged long value in the column %3</source>
        <translation>la fila %1 de la tabla %2 tiene un valor largo dañado en la columna %3</translation>
    </message>
    <message>
        <source>the table %1 holds %2 rows, but only %3 can be read</source>
        <translation>la tabla %1 contiene %2 filas, pero solo se pueden leer %3</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (error %2)</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>the file %1 cannot be opened.</source>
        <translation>no se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>the file %1 cannot be opened: %2.</source>
        <translation>no se puede abrir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a Microsoft Access database.</source>
        <translation>El archivo %1 no es una base de datos de Microsoft Access.</translation>
    </message>
    <message>
        <source>the file %1 is not a Microsoft Access database.</source>
        <translation>el archivo %1 no es una base de datos de Microsoft Access.</translation>
    </message>
    <message>
        <source>The file %1 is a Microsoft Access database of a version this program does not know (version number %2).</source>
        <translation>El archivo %1 es una base de datos de Microsoft Access de una versión que este programa no conoce (número de versión %2).</translation>
    </message>
    <message>
        <source>the file %1 is a Microsoft Access database of a version this program does not know (version number %2).</source>
        <translation>el archivo %1 es una base de datos de Microsoft Access de una versión que este programa no conoce (número de versión %2).</translation>
    </message>
    <message>
        <source>The file %1 is protected by a database password. Remove the password in Microsoft Access, then bring the file over again.</source>
        <translation>El archivo %1 está protegido con una contraseña de base de datos. Quite la contraseña en Microsoft Access y vuelva a traspasar el archivo.</translation>
    </message>
    <message>
        <source>the file %1 is protected by a database password. Remove the password in Microsoft Access, then bring the file over again.</source>
        <translation>el archivo %1 está protegido con una contraseña de base de datos. Quite la contraseña en Microsoft Access y vuelva a traspasar el archivo.</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2.</source>
        <translation>El archivo %1 está dañado: %2.</translation>
    </message>
    <message>
        <source>the file %1 is damaged: %2.</source>
        <translation>el archivo %1 está dañado: %2.</translation>
    </message>
    <message>
        <source>The file %1 has no table %2.</source>
        <translation>El archivo %1 no tiene la tabla %2.</translation>
    </message>
    <message>
        <source>the file %1 has no table %2.</source>
        <translation>el archivo %1 no tiene la tabla %2.</translation>
    </message>
    <message>
        <source>Row %1 of the table %2 has a date in the column %3 outside the years 100 to 9999 (stored as %4).</source>
        <translation>La fila %1 de la tabla %2 tiene en la columna %3 una fecha fuera de los años 100 a 9999 (guardada como %4).</translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a date in the column %3 outside the years 100 to 9999 (stored as %4).</source>
        <translation>la fila %1 de la tabla %2 tiene en la columna %3 una fecha fuera de los años 100 a 9999 (guardada como %4).</translation>
    </message>
    <message>
        <source>The column %1 of the table %2 has a type (%3) this program cannot read.</source>
        <translation>La columna %1 de la tabla %2 tiene un tipo (%3) que este programa no puede leer.</translation>
    </message>
    <message>
        <source>the column %1 of the table %2 has a type (%3) this program cannot read.</source>
        <translation>la columna %1 de la tabla %2 tiene un tipo (%3) que este programa no puede leer.</translation>
    </message>
    <message>
        <source>The file %1 is an Access database, but not a company file: it has no table “datalist”, the list of employees.</source>
        <translation>El archivo %1 es una base de datos de Access, pero no un archivo de empresa: no tiene la tabla «datalist», la lista de empleados.</translation>
    </message>
    <message>
        <source>the file %1 is an Access database, but not a company file: it has no table “datalist”, the list of employees.</source>
        <translation>el archivo %1 es una base de datos de Access, pero no un archivo de empresa: no tiene la tabla «datalist», la lista de empleados.</translation>
    </message>
    <message>
        <source>The file %1 is an Access database, but not a company file: its list of employees “%2” has no field “Ename”.</source>
        <translation>El archivo %1 es una base de datos de Access, pero no un archivo de empresa: su lista de empleados «%2» no tiene el campo «Ename».</translation>
    </message>
    <message>
        <source>the file %1 is an Access database, but not a company file: its list of employees “%2” has no field “Ename”.</source>
        <translation>el archivo %1 es una base de datos de Access, pero no un archivo de empresa: su lista de empleados «%2» no tiene el campo «Ename».</translation>
    </message>
    <message>
        <source>Row %1 of the table %2 holds in the field %3 a value Punchwell cannot keep there (binary data).</source>
        <translation>La fila %1 de la tabla %2 contiene en el campo %3 un valor que Punchwell no puede guardar ahí (datos binarios).</translation>
    </message>
    <message>
        <source>row %1 of the table %2 holds in the field %3 a value Punchwell cannot keep there (binary data).</source>
        <translation>la fila %1 de la tabla %2 contiene en el campo %3 un valor que Punchwell no puede guardar ahí (datos binarios).</translation>
    </message>
    <message>
        <source>It was cancelled.</source>
        <translation>Se ha cancelado.</translation>
    </message>
    <message>
        <source>it was cancelled.</source>
        <translation>se ha cancelado.</translation>
    </message>
    <message>
        <source>Another program is making a new company file %1 right now (it holds the lock file %2); try again when it is done.</source>
        <translation>Otro programa está creando ahora mismo un archivo de empresa nuevo %1 (tiene el archivo de bloqueo %2); vuelva a intentarlo cuando termine.</translation>
    </message>
    <message>
        <source>another program is making a new company file %1 right now (it holds the lock file %2); try again when it is done.</source>
        <translation>otro programa está creando ahora mismo un archivo de empresa nuevo %1 (tiene el archivo de bloqueo %2); vuelva a intentarlo cuando termine.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1.</source>
        <translation>No se puede escribir nada en la carpeta %1.</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1.</source>
        <translation>no se puede escribir nada en la carpeta %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1 (%2).</source>
        <translation>No se puede escribir nada en la carpeta %1 (%2).</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2).</source>
        <translation>no se puede escribir nada en la carpeta %1 (%2).</translation>
    </message>
    <message>
        <source>%1 exists already.</source>
        <translation>%1 ya existe.</translation>
    </message>
    <message>
        <source>The new file could not be named %1: %2.</source>
        <translation>No se pudo dar al archivo nuevo el nombre %1: %2.</translation>
    </message>
    <message>
        <source>the new file could not be named %1: %2.</source>
        <translation>no se pudo dar al archivo nuevo el nombre %1: %2.</translation>
    </message>
    <message>
        <source>The old file could not be kept as %1: %2.</source>
        <translation>No se pudo conservar el archivo antiguo como %1: %2.</translation>
    </message>
    <message>
        <source>the old file could not be kept as %1: %2.</source>
        <translation>no se pudo conservar el archivo antiguo como %1: %2.</translation>
    </message>
    <message>
        <source>The new company could not be made in %1: %2.</source>
        <translation>No se pudo crear la empresa nueva en %1: %2.</translation>
    </message>
    <message>
        <source>the new company could not be made in %1: %2.</source>
        <translation>no se pudo crear la empresa nueva en %1: %2.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is a folder, not a database file</source>
        <translation>es una carpeta, no un archivo de base de datos</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>no se puede leer el archivo (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is a Microsoft Access (Jet) database. Punchwell keeps its data in an SQLite database and opens an Access file only to bring the company over (at the start in its folder, or with --copy-company)</source>
        <translation>es una base de datos de Microsoft Access (Jet). Punchwell guarda sus datos en una base de datos SQLite y solo abre un archivo de Access para traspasar la empresa (al iniciarse en su carpeta o con --copy-company)</translation>
    </message>
    <message>
        <source>the file is not a database that Punchwell can read</source>
        <translation>el archivo no es una base de datos que Punchwell pueda leer</translation>
    </message>
    <message>
        <source>the file is damaged (it is cut short)</source>
        <translation>el archivo está dañado (está truncado)</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <source>the new file could not be put in place</source>
        <translation>no se pudo colocar el archivo nuevo en su sitio</translation>
    </message>
    <message>
        <source>the database file %1 was moved, renamed or deleted while Punchwell was running, so nothing can be stored in it. Put the file back, or start Punchwell again</source>
        <translation>el archivo de base de datos %1 se movió, se renombró o se eliminó mientras Punchwell estaba en marcha, así que no se puede guardar nada en él. Vuelva a ponerlo en su sitio o inicie Punchwell de nuevo</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2)</source>
        <translation>no se puede escribir nada en la carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>the database file is damaged (%1)</source>
        <translation>el archivo de base de datos está dañado (%1)</translation>
    </message>
    <message>
        <source>the database is in use by another program or another copy of Punchwell. Please wait a moment and try again</source>
        <translation>la base de datos la está usando otro programa u otra copia de Punchwell. Espere un momento y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>the database file is read-only, so nothing can be stored in it</source>
        <translation>el archivo de base de datos es de solo lectura, así que no se puede guardar nada en él</translation>
    </message>
    <message>
        <source>there is no room left to store the change (the disk or the database file is full)</source>
        <translation>no queda espacio para guardar el cambio (el disco o el archivo de base de datos está lleno)</translation>
    </message>
    <message>
        <source>the database file is damaged</source>
        <translation>el archivo de base de datos está dañado</translation>
    </message>
    <message>
        <source>the database file cannot be opened</source>
        <translation>no se puede abrir el archivo de base de datos</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>no se pudo leer o escribir en el disco</translation>
    </message>
    <message>
        <source>a table cannot be found (%1)</source>
        <translation>no se encuentra una tabla (%1)</translation>
    </message>
    <message>
        <source>the database reported an error</source>
        <translation>la base de datos ha notificado un error</translation>
    </message>
    <message>
        <source>the database is not open</source>
        <translation>la base de datos no está abierta</translation>
    </message>
    <message>
        <source>the %1 database driver of Qt is not installed</source>
        <translation>el controlador de base de datos %1 de Qt no está instalado</translation>
    </message>
    <message>
        <source>the database cannot be opened</source>
        <translation>no se puede abrir la base de datos</translation>
    </message>
    <message>
        <source>it is not a Punchwell company database (the table &quot;%1&quot; is missing)</source>
        <translation>no es una base de datos de empresa de Punchwell (falta la tabla «%1»)</translation>
    </message>
    <message>
        <source>the change was not begun</source>
        <translation>el cambio no se llegó a iniciar</translation>
    </message>
    <message>
        <source>%1. The change was being stored when the connection ended: it may or may not have been stored. Look at the data again before you repeat it</source>
        <translation>%1. El cambio se estaba guardando cuando terminó la conexión: puede que se haya guardado o no. Revise los datos antes de repetirlo</translation>
    </message>
    <message>
        <source>the server&apos;s address cannot be used: %1</source>
        <translation>no se puede usar la dirección del servidor: %1</translation>
    </message>
    <message>
        <source>the server&apos;s address cannot be used (%1)</source>
        <translation>no se puede usar la dirección del servidor (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>%1 holds no Punchwell company</source>
        <translation>%1 no contiene ninguna empresa de Punchwell</translation>
    </message>
    <message>
        <source>%1 holds a company already</source>
        <translation>%1 ya contiene una empresa</translation>
    </message>
    <message>
        <source>%1 runs PostgreSQL %2, and Punchwell needs version 10 or later</source>
        <translation>%1 usa PostgreSQL %2, y Punchwell necesita la versión 10 o posterior</translation>
    </message>
    <message>
        <source>the connection to %1 is not open</source>
        <translation>la conexión con %1 no está abierta</translation>
    </message>
    <message>
        <source>there is no such database: %1 does not exist</source>
        <translation>no existe esa base de datos: %1 no existe</translation>
    </message>
    <message>
        <source>the server refused the user name or the password for %1 (%2)</source>
        <translation>el servidor rechazó el nombre de usuario o la contraseña para %1 (%2)</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>%1 no respondió en %2 segundos</translation>
    </message>
    <message>
        <source>%1 cannot be reached: the server is not running, or the address is wrong, or the network is down (%2)</source>
        <translation>no se puede conectar con %1: el servidor no está en marcha, la dirección es incorrecta o la red no funciona (%2)</translation>
    </message>
    <message>
        <source>the connection to %1 was lost in the middle of the action</source>
        <translation>se perdió la conexión con %1 en mitad de la operación</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: the server stopped or ended it (%2)</source>
        <translation>se perdió la conexión con %1: el servidor se detuvo o la cerró (%2)</translation>
    </message>
    <message>
        <source>the database is in use: another workstation is changing the same data on %1 and did not finish within %2 seconds. Nothing was stored. Please wait a moment and try again</source>
        <translation>la base de datos está en uso: otro puesto está modificando los mismos datos en %1 y no terminó en %2 segundos. No se ha guardado nada. Espere un momento y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds, so the program stopped waiting and gave the connection up</source>
        <translation>%1 no respondió en %2 segundos, así que el programa dejó de esperar y abandonó la conexión</translation>
    </message>
    <message>
        <source>%1 did not finish the action within %2 seconds, so it was stopped</source>
        <translation>%1 no terminó la operación en %2 segundos, así que se detuvo</translation>
    </message>
    <message>
        <source>a table cannot be found (there is no table &quot;%1&quot; in %2)</source>
        <translation>no se encuentra una tabla (no hay ninguna tabla «%1» en %2)</translation>
    </message>
    <message>
        <source>the server does not let this user change the company&apos;s data in %1 (%2)</source>
        <translation>el servidor no permite a este usuario modificar los datos de la empresa en %1 (%2)</translation>
    </message>
    <message>
        <source>%1 can only be read at present (%2)</source>
        <translation>%1 solo admite lectura en este momento (%2)</translation>
    </message>
    <message>
        <source>the server has no room left to store the change (%1)</source>
        <translation>al servidor no le queda espacio para guardar el cambio (%1)</translation>
    </message>
    <message>
        <source>the server refused a value (%1)</source>
        <translation>el servidor rechazó un valor (%1)</translation>
    </message>
    <message>
        <source>the server found the data of %1 damaged (%2)</source>
        <translation>el servidor encontró dañados los datos de %1 (%2)</translation>
    </message>
    <message>
        <source>the server could not read or write its disk (%1)</source>
        <translation>el servidor no pudo leer o escribir en su disco (%1)</translation>
    </message>
    <message>
        <source>an earlier step of this action failed, so the server refused the rest</source>
        <translation>falló un paso anterior de esta operación, así que el servidor rechazó el resto</translation>
    </message>
    <message>
        <source>the database server reported an error</source>
        <translation>el servidor de base de datos ha notificado un error</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; could not be copied: %2</source>
        <translation>no se pudo copiar la tabla «%1»: %2</translation>
    </message>
    <message>
        <source>the company to copy is not open</source>
        <translation>la empresa que se va a copiar no está abierta</translation>
    </message>
    <message>
        <source>the view is not open</source>
        <translation>la vista no está abierta</translation>
    </message>
    <message>
        <source>there is no current record</source>
        <translation>no hay ninguna fila actual</translation>
    </message>
    <message>
        <source>the table has no field &quot;%1&quot;</source>
        <translation>la tabla no tiene el campo «%1»</translation>
    </message>
    <message>
        <source>the time log of %1 holds an entry without a readable date and time, so one shift was left out of the total</source>
        <translation>el registro de fichajes de %1 contiene un fichaje sin fecha y hora legibles, así que se ha dejado un turno fuera del total</translation>
    </message>
    <message>
        <source>the time log of %1 holds an entry without a readable date and time, so %2 shifts were left out of the total</source>
        <translation>el registro de fichajes de %1 contiene un fichaje sin fecha y hora legibles, así que se han dejado %2 turnos fuera del total</translation>
    </message>
    <message>
        <source>the wage per hour of %1 (&quot;%2&quot;) is not a number, so the wages show 0</source>
        <translation>el salario por hora de %1 («%2») no es un número, así que el salario muestra 0</translation>
    </message>
    <message>
        <source>the wage per hour of %1 (&quot;%2&quot;) is too large to count with, so the wages show 0</source>
        <translation>el salario por hora de %1 («%2») es demasiado grande para calcular con él, así que el salario muestra 0</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time</source>
        <translation>«%1» no es una fecha y hora</translation>
    </message>
    <message>
        <source>%1 would come before %2, the date and time of the entry before it, and the entries of a log must stay in order</source>
        <translation>%1 quedaría antes de %2, la fecha y hora del fichaje anterior, y los fichajes de un registro deben mantener su orden</translation>
    </message>
    <message>
        <source>%1 would come after %2, the date and time of the entry after it, and the entries of a log must stay in order</source>
        <translation>%1 quedaría después de %2, la fecha y hora del fichaje siguiente, y los fichajes de un registro deben mantener su orden</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1: %2.  Nothing was stored.</source>
        <translation>%1: %2.  No se ha guardado nada.</translation>
    </message>
    <message>
        <source>%1: %2.%3</source>
        <translation>%1: %2.%3</translation>
    </message>
    <message>
        <source>Invalid Date / Time.  %1. Please correct the entry and try again</source>
        <translation>Fecha / hora no válida.  %1. Corrija la fecha y hora y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>Invalid Date / Time.  Please correct the entry and try again</source>
        <translation>Fecha / hora no válida.  Corrija la fecha y hora y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2.</source>
        <translation>Se ha producido el error número %1:  %2.</translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2. Nothing was stored. Please try again.</source>
        <translation>Se ha producido el error número %1:  %2. No se ha guardado nada. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2. Please try again.</source>
        <translation>Se ha producido el error número %1:  %2. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Punchwell cannot %1 in the company database
%2
because %3. Punchwell will now close.</source>
        <translation>Punchwell no puede %1 en la base de datos de la empresa
%2
porque %3. Punchwell se cerrará ahora.</translation>
    </message>
    <message>
        <source>Punchwell cannot use its company database

%1

because %2.

Nothing in the database has been changed. Punchwell will now close.</source>
        <translation>Punchwell no puede usar su base de datos de la empresa

%1

porque %2.

No se ha modificado nada en la base de datos. Punchwell se cerrará ahora.</translation>
    </message>
    <message>
        <source>Punchwell cannot use its company database

%1

because %2.

Nothing in the file has been changed. Punchwell will now close.</source>
        <translation>Punchwell no puede usar su base de datos de la empresa

%1

porque %2.

No se ha modificado nada en el archivo. Punchwell se cerrará ahora.</translation>
    </message>
    <message>
        <source>A new company database could not be created in

%1

because %2. Punchwell will now close.</source>
        <translation>No se pudo crear una base de datos de empresa nueva en

%1

porque %2. Punchwell se cerrará ahora.</translation>
    </message>
    <message>
        <source>A new company database could not be created at

%1

because %2. Punchwell will now close.</source>
        <translation>No se pudo crear una base de datos de empresa nueva en

%1

porque %2. Punchwell se cerrará ahora.</translation>
    </message>
    <message>
        <source>Punchwell cannot tell where its company database is, because %1.

Punchwell will now close.</source>
        <translation>Punchwell no puede determinar dónde está su base de datos de la empresa, porque %1.

Punchwell se cerrará ahora.</translation>
    </message>
    <message>
        <source>The company file

%1

is an Access-format database that Punchwell cannot bring over:

%2

Nothing has been changed. Punchwell will now close.</source>
        <translation>El archivo de la empresa

%1

es una base de datos en formato Access que Punchwell no puede traspasar:

%2

No se ha modificado nada. Punchwell se cerrará ahora.</translation>
    </message>
    <message>
        <source>Punchwell could not bring the company over from

%1

%2

Nothing has been changed: “%3” is still the Access-format file, and no new file was left behind. Punchwell will now close.</source>
        <translation>Punchwell no pudo traspasar la empresa desde

%1

%2

No se ha modificado nada: «%3» sigue siendo el archivo en formato Access y no ha quedado ningún archivo nuevo. Punchwell se cerrará ahora.</translation>
    </message>
    <message>
        <source>The company was not brought over: it was cancelled. “%1” is still the Access-format file, unchanged. Punchwell will now close.</source>
        <translation>No se ha traspasado la empresa: se ha cancelado. «%1» sigue siendo el archivo en formato Access, sin cambios. Punchwell se cerrará ahora.</translation>
    </message>
    <message>
        <source>the company was not copied: %1</source>
        <translation>no se ha copiado la empresa: %1</translation>
    </message>
</context>
<context>
    <name>pw::FirstRunWindow</name>
    <message>
        <source>Punchwell Startup Screen</source>
        <translation>Pantalla de inicio de Punchwell</translation>
    </message>
    <message>
        <source>     Welcome to Punchwell startup!  I&apos;m glad your company has chosen to test Punchwell, and hope you find it as useful as others have.
In order for Punchwell to work properly, please supply your company name exactly as you wish for it to appear throughout Punchwell.  You will NOT be able to change this later.</source>
        <translation>     ¡Bienvenido a la puesta en marcha de Punchwell!  Me alegra que su empresa haya decidido probar Punchwell, y espero que le resulte tan útil como a otros.
Para que Punchwell funcione correctamente, escriba el nombre de su empresa exactamente como desea que aparezca en todo Punchwell.  NO podrá cambiarlo más adelante.</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Nombre de la empresa:</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Nombre de la empresa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The company name could not be stored</source>
        <translation>No se pudo guardar el nombre de la empresa</translation>
    </message>
    <message>
        <source> Please try again.</source>
        <translation> Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Thank You.  You must now Restart Punchwell.</source>
        <translation>Gracias.  Ahora debe reiniciar Punchwell.</translation>
    </message>
    <message>
        <source>Please Restart</source>
        <translation>Reinicie Punchwell</translation>
    </message>
</context>
<context>
    <name>pw::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Changes to the employee&apos;s records</source>
        <translation>Cambios en los datos del empleado</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Workstation</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Quién</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>Historial: %1</translation>
    </message>
    <message>
        <source>Sorry, the history could not be read</source>
        <translation>Lo sentimos, no se pudo leer el historial</translation>
    </message>
</context>
<context>
    <name>pw::LogonWindow</name>
    <message>
        <source>Find Your Name</source>
        <translation>Busque su nombre</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Password Required:</source>
        <translation>Se requiere contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>read the company settings</source>
        <translation>leer los ajustes de la empresa</translation>
    </message>
    <message>
        <source>read the list of employees</source>
        <translation>leer la lista de empleados</translation>
    </message>
    <message>
        <source>Log In Error</source>
        <translation>Error al iniciar sesión</translation>
    </message>
    <message>
        <source>The list of employees cannot be read</source>
        <translation>No se puede leer la lista de empleados</translation>
    </message>
    <message>
        <source>Please enter a valid Name or click on the Combo Box.</source>
        <translation>Escriba un nombre válido o elíjalo en la lista desplegable.</translation>
    </message>
    <message>
        <source>The time log of %1 cannot be opened</source>
        <translation>No se puede abrir el registro de fichajes de %1</translation>
    </message>
    <message>
        <source>The time log of %1 is missing from the company database, so %1 cannot log on. Please ask the Manager to look into it.</source>
        <translation>Falta el registro de fichajes de %1 en la base de datos de la empresa, así que %1 no puede iniciar sesión. Pida al encargado que lo revise.</translation>
    </message>
    <message>
        <source>Incorrect Password, Please retry or Cancel.</source>
        <translation>Contraseña incorrecta. Vuelva a intentarlo o pulse Cancelar.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Error de contraseña</translation>
    </message>
    <message>
        <source>Click here for names--&gt;</source>
        <translation>Haga clic aquí para ver los nombres--&gt;</translation>
    </message>
    <message>
        <source>Click here for choice of Names----&gt;</source>
        <translation>Haga clic aquí para elegir un nombre----&gt;</translation>
    </message>
</context>
<context>
    <name>pw::MainWindow</name>
    <message>
        <source>Forgotten clock-out</source>
        <translation>Salida sin fichar</translation>
    </message>
    <message>
        <source>Punchwell functions</source>
        <translation>Funciones de Punchwell</translation>
    </message>
    <message>
        <source>Time Functions</source>
        <translation>Control horario</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Gestión</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Clock &amp;In</source>
        <translation>Fichar &amp;entrada</translation>
    </message>
    <message>
        <source>Clock &amp;Out</source>
        <translation>Fichar &amp;salida</translation>
    </message>
    <message>
        <source>&amp;Print Log</source>
        <translation>&amp;Imprimir registro</translation>
    </message>
    <message>
        <source>&amp;Clear Log</source>
        <translation>&amp;Vaciar registro</translation>
    </message>
    <message>
        <source>&amp;Delete Last</source>
        <translation>Eli&amp;minar último fichaje</translation>
    </message>
    <message>
        <source>Change My Pass&amp;word</source>
        <translation>Cambiar mi &amp;contraseña</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>You have been clocked in since %1, more than %2 hours ago. Did you forget to clock out?</source>
        <translation>Tiene la entrada fichada desde %1, hace más de %2 horas. ¿Olvidó fichar la salida?</translation>
    </message>
</context>
<context>
    <name>pw::ManagementTab</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Delete Error</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Employee&apos;s estimated wages</source>
        <translation>Salario estimado del empleado</translation>
    </message>
    <message>
        <source>seal %1</source>
        <translation>sello %1</translation>
    </message>
    <message>
        <source>the records have no journal yet</source>
        <translation>los datos todavía no tienen diario</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify from row %1 on</source>
        <translation>el diario de los datos está roto: no superan la verificación a partir de la fila %1</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify</source>
        <translation>el diario de los datos está roto: no superan la verificación</translation>
    </message>
    <message>
        <source>Select an Employee:</source>
        <translation>Seleccione un empleado:</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Employee name</source>
        <translation>Nombre del empleado</translation>
    </message>
    <message>
        <source>$/hr:</source>
        <translation>$/hora:</translation>
    </message>
    <message>
        <source>Wage per hour</source>
        <translation>Salario por hora</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Horas:</translation>
    </message>
    <message>
        <source>Employee&apos;s hours</source>
        <translation>Horas del empleado</translation>
    </message>
    <message>
        <source>Employee&apos;s time log</source>
        <translation>Registro de fichajes del empleado</translation>
    </message>
    <message>
        <source>Toggle Employee Grid</source>
        <translation>Mostrar/ocultar tabla del empleado</translation>
    </message>
    <message>
        <source>Click here to view an Employee&apos;s data in a Data Grid.</source>
        <translation>Haga clic aquí para ver los datos de un empleado en una tabla de datos.</translation>
    </message>
    <message>
        <source>Functions:</source>
        <translation>Funciones:</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add a new Employee</source>
        <translation>Añadir un empleado nuevo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete an Employee</source>
        <translation>Eliminar un empleado</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Vaciar registro</translation>
    </message>
    <message>
        <source>Clear an Employee&apos;s logs</source>
        <translation>Vaciar los registros de un empleado</translation>
    </message>
    <message>
        <source>Print Log</source>
        <translation>Imprimir registro</translation>
    </message>
    <message>
        <source>Print an Employee&apos;s Time Card</source>
        <translation>Imprimir la tarjeta de fichaje de un empleado</translation>
    </message>
    <message>
        <source>Chg Pass</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Change an Employee&apos;s password</source>
        <translation>Cambiar la contraseña de un empleado</translation>
    </message>
    <message>
        <source>Get Hrs/$</source>
        <translation>Horas/$</translation>
    </message>
    <message>
        <source>Get the Employee&apos;s total number of hours and pay.</source>
        <translation>Obtener el total de horas y el salario del empleado.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Show every change to the employee&apos;s records</source>
        <translation>Mostrar todos los cambios en los datos del empleado</translation>
    </message>
    <message>
        <source>Who&apos;s In</source>
        <translation>Presentes</translation>
    </message>
    <message>
        <source>Show who is clocked in now</source>
        <translation>Mostrar quién tiene ahora la entrada fichada</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Change Punchwell&apos;s properties</source>
        <translation>Cambiar las propiedades de Punchwell</translation>
    </message>
    <message>
        <source>Save every employee&apos;s hours through an ending date for payroll</source>
        <translation>Guardar las horas de todos los empleados hasta una fecha final para la nómina</translation>
    </message>
    <message>
        <source>Would you like to print all employees? (default:  print current employee only)</source>
        <translation>¿Desea imprimir todos los empleados? (predeterminado:  imprimir solo el empleado actual)</translation>
    </message>
    <message>
        <source>Print Punchwell through this ending date: </source>
        <translation>Imprimir Punchwell hasta esta fecha final: </translation>
    </message>
    <message>
        <source>Printing was stopped after %1 of %2 employees.</source>
        <translation>La impresión se detuvo tras %1 de %2 empleados.</translation>
    </message>
    <message>
        <source>Would you like to clear the log for all employees? (default: clear current employee only)</source>
        <translation>¿Desea vaciar el registro de todos los empleados? (predeterminado: vaciar solo el del empleado actual)</translation>
    </message>
    <message>
        <source>Clear log until this date: </source>
        <translation>Vaciar el registro hasta esta fecha: </translation>
    </message>
    <message>
        <source>Clearing was stopped after %1 of %2 employees.</source>
        <translation>El vaciado se detuvo tras %1 de %2 empleados.</translation>
    </message>
    <message>
        <source>Sorry, cannot delete the Manager</source>
        <translation>Lo sentimos, no se puede eliminar la cuenta «Manager»</translation>
    </message>
    <message>
        <source>Sorry, the list of employees cannot be read</source>
        <translation>Lo sentimos, no se puede leer la lista de empleados</translation>
    </message>
    <message>
        <source>Sorry, the Name doesn&apos;t appear to exist.  Try again.</source>
        <translation>Lo sentimos, parece que el nombre no existe.  Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Deleting an employee is permanent.  He/She will no longer be able to use the Punchwell Program unless you add them again. Do you want to continue ?</source>
        <translation>La eliminación de un empleado es definitiva.  Ya no podrá usar el programa Punchwell, a menos que vuelva a añadirlo. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Punchwell Warning</source>
        <translation>Advertencia de Punchwell</translation>
    </message>
    <message>
        <source>Sorry, the Employee could not be deleted</source>
        <translation>Lo sentimos, no se pudo eliminar el empleado</translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <translation>  No se ha modificado nada.</translation>
    </message>
    <message>
        <source>Employee has been deleted.</source>
        <translation>Se ha eliminado el empleado.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Export Punchwell through this ending date: </source>
        <translation>Exportar Punchwell hasta esta fecha final: </translation>
    </message>
    <message>
        <source>Save every employee&apos;s hours as a CSV file</source>
        <translation>Guardar las horas de todos los empleados como archivo CSV</translation>
    </message>
    <message>
        <source>hours-%1.csv</source>
        <translation>horas-%1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The hours of %1 (%2) were saved in %3 (%4).</source>
        <translation>Las horas de %1 (%2) se han guardado en %3 (%4).</translation>
    </message>
    <message>
        <source>1 employee</source>
        <translation>1 empleado</translation>
    </message>
    <message>
        <source>%1 employees</source>
        <translation>%1 empleados</translation>
    </message>
    <message>
        <source>1 shift</source>
        <translation>1 turno</translation>
    </message>
    <message>
        <source>%1 shifts</source>
        <translation>%1 turnos</translation>
    </message>
    <message>
        <source>Sorry, the hours could not be exported</source>
        <translation>Lo sentimos, no se pudieron exportar las horas</translation>
    </message>
    <message>
        <source>  No file was saved.</source>
        <translation>  No se ha guardado ningún archivo.</translation>
    </message>
    <message>
        <source>Sorry, the hours could not be saved in %1: %2</source>
        <translation>Lo sentimos, no se pudieron guardar las horas en %1: %2</translation>
    </message>
</context>
<context>
    <name>pw::PasswordDialog</name>
    <message>
        <source>Change Pass Error</source>
        <translation>Error al cambiar la contraseña</translation>
    </message>
    <message>
        <source>Enter New Password:</source>
        <translation>Escriba la contraseña nueva:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Employee&apos;s new password</source>
        <translation>Contraseña nueva del empleado</translation>
    </message>
    <message>
        <source>The password could not be stored</source>
        <translation>No se pudo guardar la contraseña</translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <translation>  No se ha modificado nada.</translation>
    </message>
    <message>
        <source>Password Successfully Changed.  The Management functions open at your next logon.</source>
        <translation>Contraseña cambiada correctamente.  Las funciones de gestión se abrirán la próxima vez que inicie sesión.</translation>
    </message>
    <message>
        <source>Password Successfully Changed.</source>
        <translation>Contraseña cambiada correctamente.</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Sorry, their was a problem with the data file. Check with your system administrator.</source>
        <translation>Lo sentimos, hubo un problema con el archivo de datos. Consulte con el administrador del sistema.</translation>
    </message>
</context>
<context>
    <name>pw::PropertiesDialog</name>
    <message>
        <source>User Properties:</source>
        <translation>Propiedades de usuario:</translation>
    </message>
    <message>
        <source>Disable Employee Edits</source>
        <translation>Desactivar la edición por los empleados</translation>
    </message>
    <message>
        <source>Disable Employee Wages Display</source>
        <translation>Desactivar la visualización del salario de los empleados</translation>
    </message>
    <message>
        <source>Turn off all Login Descriptions</source>
        <translation>Desactivar la petición de tarea al fichar la entrada</translation>
    </message>
    <message>
        <source>The stored settings could not be read</source>
        <translation>No se pudieron leer los ajustes guardados</translation>
    </message>
    <message>
        <source> The switches are shown as off.</source>
        <translation> Las opciones se muestran desactivadas.</translation>
    </message>
    <message>
        <source>The setting could not be stored</source>
        <translation>No se pudo guardar el ajuste</translation>
    </message>
    <message>
        <source> Nothing was changed.</source>
        <translation> No se ha modificado nada.</translation>
    </message>
</context>
<context>
    <name>pw::QtPrinterFactory</name>
    <message>
        <source>%1 could not be written completely</source>
        <translation>no se pudo completar la escritura en %1</translation>
    </message>
    <message>
        <source>%1 reported an error while the job was sent</source>
        <translation>%1 notificó un error mientras se enviaba el trabajo</translation>
    </message>
    <message>
        <source>%1 cannot be written (is the folder there, and may it be written to?)</source>
        <translation>no se puede escribir en %1 (¿existe la carpeta y se puede escribir en ella?)</translation>
    </message>
    <message>
        <source>%1 did not accept the job</source>
        <translation>%1 no aceptó el trabajo</translation>
    </message>
    <message>
        <source>%1 could not start a new page</source>
        <translation>%1 no pudo empezar una página nueva</translation>
    </message>
    <message>
        <source>this computer has no default printer</source>
        <translation>este equipo no tiene impresora predeterminada</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>la impresora «%1»</translation>
    </message>
    <message>
        <source>%1 is stopped or out of order</source>
        <translation>%1 está en pausa o fuera de servicio</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>el archivo «%1»</translation>
    </message>
</context>
<context>
    <name>pw::RecordBrowser</name>
    <message>
        <source>First record</source>
        <translation>Primera fila</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Fila anterior</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Fila siguiente</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Última fila</translation>
    </message>
</context>
<context>
    <name>pw::RunProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>pw::SplashWindow</name>
    <message>
        <source>Punchwell is starting</source>
        <translation>Punchwell se está iniciando</translation>
    </message>
</context>
<context>
    <name>pw::StartUp</name>
    <message>
        <source>Punchwell cannot find its company database in

%1

which holds no Punchwell company yet. Do you want to create a new company database there? Punchwell will then ask for your company name.</source>
        <translation>Punchwell no encuentra su base de datos de la empresa en

%1

Esa ubicación todavía no contiene ninguna empresa de Punchwell. ¿Desea crear allí una base de datos de empresa nueva? Después, Punchwell le pedirá el nombre de su empresa.</translation>
    </message>
    <message>
        <source>Punchwell cannot find its company database

%1

Do you want to create a new company database there? Punchwell will then ask for your company name.</source>
        <translation>Punchwell no encuentra su base de datos de la empresa

%1

¿Desea crear allí una base de datos de empresa nueva? Después, Punchwell le pedirá el nombre de su empresa.</translation>
    </message>
</context>
<context>
    <name>pw::StatusText</name>
    <message>
        <source>Clocked In</source>
        <translation>Entrada fichada</translation>
    </message>
    <message>
        <source>Clocked Out</source>
        <translation>Salida fichada</translation>
    </message>
</context>
<context>
    <name>pw::StorageError</name>
    <message>
        <source>The time log of %1 cannot be used</source>
        <translation>No se puede usar el registro de fichajes de %1</translation>
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
        <translation>Escriba una tarea:</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Sorry, Tasks can only be up to 30 characters in length.</source>
        <translation>Lo sentimos, las tareas pueden tener como máximo 30 caracteres.</translation>
    </message>
    <message>
        <source>Clock In Error</source>
        <translation>Error al fichar la entrada</translation>
    </message>
    <message>
        <source>Clock In has been Canceled.  If you wish to disable the prompt for a project activity, check the box marked disable</source>
        <translation>Se ha cancelado el fichaje de entrada.  Si no desea que se pida una tarea al fichar, marque la casilla «Desactivar la petición de tarea al fichar la entrada» en Propiedades</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>pw::TimeFunctionsTab</name>
    <message>
        <source>Clock In Error</source>
        <translation>Error al fichar la entrada</translation>
    </message>
    <message>
        <source>Clock out Error</source>
        <translation>Error al fichar la salida</translation>
    </message>
    <message>
        <source>Estimated wages</source>
        <translation>Salario estimado</translation>
    </message>
    <message>
        <source>Logged-on employee</source>
        <translation>Empleado con sesión iniciada</translation>
    </message>
    <message>
        <source>This displays the current users name</source>
        <translation>Muestra el nombre del usuario actual</translation>
    </message>
    <message>
        <source>click here to</source>
        <translation>haga clic aquí para</translation>
    </message>
    <message>
        <source>Click here to update the total hours</source>
        <translation>Haga clic aquí para actualizar el total de horas</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>ACTUALIZAR</translation>
    </message>
    <message>
        <source>Update the total hours</source>
        <translation>Actualizar el total de horas</translation>
    </message>
    <message>
        <source>Punchwell Data:</source>
        <translation>Datos de Punchwell:</translation>
    </message>
    <message>
        <source>Date and time of the entry</source>
        <translation>Fecha y hora del fichaje</translation>
    </message>
    <message>
        <source>Current records time and data</source>
        <translation>Fecha y hora del fichaje actual</translation>
    </message>
    <message>
        <source>LastLogon</source>
        <translation>Último inicio</translation>
    </message>
    <message>
        <source>Status of the entry</source>
        <translation>Estado del fichaje</translation>
    </message>
    <message>
        <source>Status of the current record. </source>
        <translation>Estado del fichaje actual. </translation>
    </message>
    <message>
        <source>Task of the entry</source>
        <translation>Tarea del fichaje</translation>
    </message>
    <message>
        <source> Browser</source>
        <translation> Navegador</translation>
    </message>
    <message>
        <source>Click on there &quot;browser&quot; buttons to move between records.</source>
        <translation>Haga clic en los botones del «navegador» para moverse entre los fichajes.</translation>
    </message>
    <message>
        <source>ClockIn (F1)</source>
        <translation>Fichar entrada (F1)</translation>
    </message>
    <message>
        <source>Click here to Clock In</source>
        <translation>Haga clic aquí para fichar la entrada</translation>
    </message>
    <message>
        <source>ClockOut (F2)</source>
        <translation>Fichar salida (F2)</translation>
    </message>
    <message>
        <source>Click here to Clock Out</source>
        <translation>Haga clic aquí para fichar la salida</translation>
    </message>
    <message>
        <source>Tot. Hours</source>
        <translation>Total horas</translation>
    </message>
    <message>
        <source>Total hours</source>
        <translation>Total de horas</translation>
    </message>
    <message>
        <source>Total number of hours</source>
        <translation>Número total de horas</translation>
    </message>
    <message>
        <source>Est. Wages</source>
        <translation>Salario est.</translation>
    </message>
    <message>
        <source>The time log of %1 cannot be opened</source>
        <translation>No se puede abrir el registro de fichajes de %1</translation>
    </message>
    <message>
        <source>You must first Clock Out.</source>
        <translation>Primero debe fichar la salida.</translation>
    </message>
    <message>
        <source>The clock-in could not be stored, so nothing was written</source>
        <translation>No se pudo guardar el fichaje de entrada, así que no se ha escrito nada</translation>
    </message>
    <message>
        <source> Please try again.</source>
        <translation> Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>You must first Clock in.</source>
        <translation>Primero debe fichar la entrada.</translation>
    </message>
    <message>
        <source>You must first Clock In.</source>
        <translation>Primero debe fichar la entrada.</translation>
    </message>
    <message>
        <source>The clock-out could not be stored, so nothing was written</source>
        <translation>No se pudo guardar el fichaje de salida, así que no se ha escrito nada</translation>
    </message>
    <message>
        <source>The last entry could not be deleted, so the log is unchanged</source>
        <translation>No se pudo eliminar el último fichaje, así que el registro no ha cambiado</translation>
    </message>
    <message>
        <source>The data is being sent to the default printer</source>
        <translation>Los datos se están enviando a la impresora predeterminada</translation>
    </message>
    <message>
        <source>This will delete all clock in and clock out values.  It should only be done at the end of a time period.  Are you sure you want to continue ?</source>
        <translation>Se eliminarán todos los fichajes de entrada y de salida.  Solo debería hacerse al final de un periodo.  ¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>Punchwell Warning</source>
        <translation>Advertencia de Punchwell</translation>
    </message>
    <message>
        <source>Your log could not be cleared, so it is unchanged</source>
        <translation>No se pudo vaciar su registro, así que no ha cambiado</translation>
    </message>
</context>
<context>
    <name>pw::WhosInWindow</name>
    <message>
        <source>Who&apos;s In</source>
        <translation>Presentes</translation>
    </message>
    <message>
        <source>Everyone clocked in now</source>
        <translation>Todos los que tienen ahora la entrada fichada</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Sorry, who is in could not be read</source>
        <translation>Lo sentimos, no se pudo leer quién está presente</translation>
    </message>
    <message>
        <source>Who&apos;s In: nobody</source>
        <translation>Presentes: nadie</translation>
    </message>
    <message>
        <source>Who&apos;s In: %1</source>
        <translation>Presentes: %1</translation>
    </message>
</context>
<context>
    <name>pw::Windows</name>
    <message>
        <source>You will be unable to use Management functions until you change your password.</source>
        <translation>No podrá usar las funciones de gestión hasta que cambie su contraseña.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>pw::artwork</name>
    <message>
        <source>the company time clock</source>
        <translation>el reloj de fichaje de la empresa</translation>
    </message>
</context>
<context>
    <name>pw::reportboxes::RunBoxes</name>
    <message>
        <source>Enter an ending date:</source>
        <translation>Escriba una fecha final:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date.  Please type the ending date as a date and time, such as %2, or as a date alone.  Nothing was done.</source>
        <translation>«%1» no es una fecha.  Escriba la fecha final como fecha y hora, por ejemplo %2, o solo como fecha.  No se ha hecho nada.</translation>
    </message>
    <message>
        <source>Time card %1.pdf</source>
        <translation>Tarjeta de fichaje %1.pdf</translation>
    </message>
    <message>
        <source>The list of employees cannot be read</source>
        <translation>No se puede leer la lista de empleados</translation>
    </message>
    <message>
        <source>Please enter a valid Name or click on the Combo Box.</source>
        <translation>Escriba un nombre válido o elíjalo en la lista desplegable.</translation>
    </message>
    <message>
        <source>Log In Error</source>
        <translation>Error al iniciar sesión</translation>
    </message>
    <message>
        <source>The log of %1 could not be cleared, so it is unchanged</source>
        <translation>No se pudo vaciar el registro de %1, así que no ha cambiado</translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: the time log cannot be read</source>
        <translation>No se imprimió la tarjeta de fichaje de %1: no se puede leer el registro de fichajes</translation>
    </message>
    <message>
        <source>The time card of %1 could not be saved either: %2.</source>
        <translation>Tampoco se pudo guardar la tarjeta de fichaje de %1: %2.</translation>
    </message>
    <message>
        <source>The time cards could not be saved: %1.</source>
        <translation>No se pudieron guardar las tarjetas de fichaje: %1.</translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: %2.

Would you like to save the time card as a PDF file instead?</source>
        <translation>No se imprimió la tarjeta de fichaje de %1: %2.

¿Desea guardarla en su lugar como archivo PDF?</translation>
    </message>
    <message>
        <source>Save the time card of %1 as a PDF file</source>
        <translation>Guardar la tarjeta de fichaje de %1 como archivo PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: %2.

Would you like to save this time card and the rest of this run&apos;s as one PDF file instead?</source>
        <translation>No se imprimió la tarjeta de fichaje de %1: %2.

¿Desea guardar en su lugar esta tarjeta y las demás de esta tanda en un solo archivo PDF?</translation>
    </message>
    <message>
        <source>Save the time cards as one PDF file</source>
        <translation>Guardar las tarjetas de fichaje en un solo archivo PDF</translation>
    </message>
    <message>
        <source>Time cards up to %1.pdf</source>
        <translation>Tarjetas de fichaje hasta %1.pdf</translation>
    </message>
</context>
<context>
    <name>pw::timecard</name>
    <message>
        <source>Employee Name:  </source>
        <translation>Nombre del empleado:  </translation>
    </message>
    <message>
        <source>Clock In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Clock Out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Sub Total (Hours)</source>
        <translation>Subtotal (horas)</translation>
    </message>
    <message>
        <source> has a total of </source>
        <translation> tiene un total de </translation>
    </message>
    <message>
        <source> hours </source>
        <translation> horas </translation>
    </message>
    <message>
        <source>Punchwell time card: %1</source>
        <translation>Tarjeta de fichaje de Punchwell: %1</translation>
    </message>
    <message>
        <source>Punchwell time cards</source>
        <translation>Tarjetas de fichaje de Punchwell</translation>
    </message>
    <message>
        <source>Punchwell Data for:  </source>
        <translation>Datos de Punchwell para:  </translation>
    </message>
    <message>
        <source>Punchwell Log for  </source>
        <translation>Registro de Punchwell para  </translation>
    </message>
    <message>
        <source>Punchwell Log for:  </source>
        <translation>Registro de Punchwell para:  </translation>
    </message>
</context>
</TS>
