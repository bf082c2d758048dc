<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>pw::AboutTab</name>
    <message>
        <source>About this Program:</source>
        <translation>À propos de ce programme&#xa0;:</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Nom de l&apos;entreprise&#xa0;:</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Nom de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Punchwell, the company time clock.</source>
        <translation>Punchwell, la pointeuse de l&apos;entreprise.</translation>
    </message>
</context>
<context>
    <name>pw::AccessStartUp</name>
    <message>
        <source>Bringing over %1</source>
        <translation>Transfert de %1</translation>
    </message>
    <message>
        <source>The company file

%1

is an Access-format database (%2) with %3 employees. Punchwell can bring the company over into a file of its own:

• the old file is kept, renamed “%4”, and is never written to;
• a new Punchwell file “%5” is made from it and compared with it, value by value.

Do you want to bring the company over now?</source>
        <translation>Le fichier de l&apos;entreprise

%1

est une base de données au format Access (%2) contenant %3 employés. Punchwell peut transférer l&apos;entreprise dans un fichier qui lui est propre&#xa0;:

• l&apos;ancien fichier est conservé, renommé «&#xa0;%4&#xa0;», et n&apos;est jamais modifié&#xa0;;
• un nouveau fichier Punchwell «&#xa0;%5&#xa0;» est créé à partir de celui-ci, puis comparé avec lui, valeur par valeur.

Voulez-vous transférer l&apos;entreprise maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Bringing the company over</source>
        <translation>Transfert de l&apos;entreprise</translation>
    </message>
    <message>
        <source>The company has been brought over into a new Punchwell file, “%1”. The old Access-format file is kept as “%2”.

%3</source>
        <translation>L&apos;entreprise a été transférée dans un nouveau fichier Punchwell, «&#xa0;%1&#xa0;». L&apos;ancien fichier au format Access est conservé sous le nom «&#xa0;%2&#xa0;».

%3</translation>
    </message>
</context>
<context>
    <name>pw::AddEmployeeDialog</name>
    <message>
        <source>Add a New Employee:</source>
        <translation>Ajouter un nouvel employé&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Wage per hour (required)</source>
        <translation>Salaire horaire (obligatoire)</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Wage/hour: (required)</source>
        <translation>Salaire/heure&#xa0;: (obligatoire)</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires&#xa0;:</translation>
    </message>
    <message>
        <source>Add Error</source>
        <translation>Erreur d&apos;ajout</translation>
    </message>
    <message>
        <source>Sorry, the Employee could not be added</source>
        <translation>Désolé, l&apos;employé n&apos;a pas pu être ajouté</translation>
    </message>
    <message>
        <source>  Nothing was stored.</source>
        <translation>  Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Sorry, the name is to long.  Please type in a name with less than 20 characters and without special characters (i.e. period, quotation marks, etc.)</source>
        <translation>Désolé, le nom est trop long. Veuillez saisir un nom de moins de 20 caractères, sans caractères spéciaux (point, guillemets, etc.)</translation>
    </message>
    <message>
        <source>Add error</source>
        <translation>Erreur d&apos;ajout</translation>
    </message>
    <message>
        <source>Sorry, this Employee already exists.</source>
        <translation>Désolé, cet employé existe déjà.</translation>
    </message>
    <message>
        <source>Sorry, the name is empty.  Please type in the new Employee&apos;s name.</source>
        <translation>Désolé, le nom est vide. Veuillez saisir le nom du nouvel employé.</translation>
    </message>
    <message>
        <source>Sorry, the name is only blanks.  Please type in the new Employee&apos;s name.</source>
        <translation>Désolé, le nom ne contient que des espaces. Veuillez saisir le nom du nouvel employé.</translation>
    </message>
    <message>
        <source>Sorry, the name holds a character that cannot be stored.  Please type in the name without it.</source>
        <translation>Désolé, le nom contient un caractère qui ne peut pas être enregistré. Veuillez saisir le nom sans ce caractère.</translation>
    </message>
    <message>
        <source>Sorry, names beginning with &quot;sqlite_&quot; are reserved for the data file itself.  Please type in another name.</source>
        <translation>Désolé, les noms commençant par «&#xa0;sqlite_&#xa0;» sont réservés au fichier de données lui-même. Veuillez saisir un autre nom.</translation>
    </message>
    <message>
        <source>Sorry, the name takes more room than the company database keeps for a name.  Please type in a shorter name.</source>
        <translation>Désolé, ce nom occupe plus de place que la base de données de l&apos;entreprise n&apos;en prévoit pour un nom. Veuillez saisir un nom plus court.</translation>
    </message>
    <message>
        <source>Sorry, the data file already holds a table of this name (capital and small letters count as the same there).  Please type in another name.</source>
        <translation>Désolé, le fichier de données contient déjà une table de ce nom (les majuscules et les minuscules y sont considérées comme identiques). Veuillez saisir un autre nom.</translation>
    </message>
    <message>
        <source>Employee has been added!</source>
        <translation>L&apos;employé a été ajouté&#xa0;!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>pw::ClockDisplay</name>
    <message>
        <source>Time and Date:</source>
        <translation>Heure et date&#xa0;:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Current Date</source>
        <translation>Date actuelle</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Heure actuelle</translation>
    </message>
</context>
<context>
    <name>pw::CommandText</name>
    <message>
        <source>the hours were not exported: %1</source>
        <translation>les heures n&apos;ont pas été exportées&#xa0;: %1</translation>
    </message>
    <message>
        <source>the journal was not exported: %1</source>
        <translation>le journal n&apos;a pas été exporté&#xa0;: %1</translation>
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
        <translation>Utilisation&#xa0;: punchwell [--database EMPLACEMENT]
              punchwell --copy-company SOURCE CIBLE
              punchwell [--database EMPLACEMENT] --export-hours FICHIER
                        [--through DATEHEURE]
              punchwell [--database EMPLACEMENT] --verify-records [--seal HEX]
              punchwell [--database EMPLACEMENT] --export-history FICHIER
              punchwell --help

Punchwell, la pointeuse d&apos;une petite entreprise.

  --database EMPLACEMENT    utiliser l&apos;entreprise située à EMPLACEMENT&#xa0;: une
                            base de données sur un serveur PostgreSQL,
                            postgresql://UTILISATEUR@HÔTE:PORT/BASE?sslmode=require,
                            ou le chemin d&apos;un fichier SQLite
  --copy-company SOURCE CIBLE
                            copier chaque table et chaque ligne de l&apos;entreprise
                            située à SOURCE vers CIBLE (chacune une adresse
                            postgresql:// ou le chemin d&apos;un fichier), vérifier
                            la copie et terminer, sans fenêtre&#xa0;; CIBLE ne doit
                            encore contenir aucune entreprise
  --export-hours FICHIER    enregistrer les périodes de travail de chaque
                            employé jusqu&apos;à la date de fin dans un fichier CSV
                            pour la paie et terminer, sans fenêtre&#xa0;;
                            l&apos;entreprise est seulement lue
  --through DATEHEURE       la date de fin de --export-hours (par défaut&#xa0;:
                            maintenant), au format ISO 8601 (2026-12-07T17:00)
                            ou telle que vous la saisiriez ici
  --verify-records          vérifier que les enregistrements de l&apos;entreprise
                            sont exactement ceux qu&apos;indique son journal des
                            modifications, afficher le sceau et terminer&#xa0;;
                            l&apos;entreprise est seulement lue
  --seal HEX                avec --verify-records&#xa0;: vérifier aussi qu&apos;un sceau
                            noté auparavant (16 chiffres hexadécimaux)
                            appartient bien à ce journal
  --export-history FICHIER  enregistrer le journal de toutes les modifications
                            des enregistrements de l&apos;entreprise dans un fichier
                            CSV, afficher le sceau des enregistrements et
                            terminer, sans fenêtre&#xa0;; l&apos;entreprise est seulement
                            lue
  -h, --help                afficher ce texte et terminer

Sans --database, l&apos;entreprise est celle que désigne url dans le groupe
[database] du fichier Punchwell.conf situé dans le dossier où Punchwell
démarre&#xa0;:

  [database]
  url = postgresql://clock@office-pc/acme

et, sans ce fichier, Employee.mdb dans ce dossier. Un mot de passe ne figure
jamais sur la ligne de commande ni dans Punchwell.conf&#xa0;: ce sont les
emplacements propres à PostgreSQL qui le conservent (~/.pgpass, PGPASSFILE,
PGPASSWORD ou un fichier de service).
</translation>
    </message>
    <message>
        <source>--database is given twice</source>
        <translation>--database est indiqué deux fois</translation>
    </message>
    <message>
        <source>--database needs a location: a postgresql:// address or a file&apos;s path</source>
        <translation>--database nécessite un emplacement&#xa0;: une adresse postgresql:// ou le chemin d&apos;un fichier</translation>
    </message>
    <message>
        <source>--copy-company is given twice</source>
        <translation>--copy-company est indiqué deux fois</translation>
    </message>
    <message>
        <source>--copy-company needs two locations: FROM and TO</source>
        <translation>--copy-company nécessite deux emplacements&#xa0;: SOURCE et CIBLE</translation>
    </message>
    <message>
        <source>--copy-company names both companies itself; leave out --database</source>
        <translation>--copy-company désigne lui-même les deux entreprises&#xa0;; omettez --database</translation>
    </message>
    <message>
        <source>--export-hours is given twice</source>
        <translation>--export-hours est indiqué deux fois</translation>
    </message>
    <message>
        <source>--export-hours needs the path of the file to write</source>
        <translation>--export-hours nécessite le chemin du fichier à écrire</translation>
    </message>
    <message>
        <source>--export-hours and --copy-company cannot be given together</source>
        <translation>--export-hours et --copy-company ne peuvent pas être indiqués ensemble</translation>
    </message>
    <message>
        <source>--through is given twice</source>
        <translation>--through est indiqué deux fois</translation>
    </message>
    <message>
        <source>--through needs an ending date</source>
        <translation>--through nécessite une date de fin</translation>
    </message>
    <message>
        <source>--through is the ending date of --export-hours, which is not given</source>
        <translation>--through est la date de fin de --export-hours, qui n&apos;est pas indiqué</translation>
    </message>
    <message>
        <source>--through: &quot;%1&quot; is not a date and time</source>
        <translation>--through&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas une date et une heure</translation>
    </message>
    <message>
        <source>--verify-records is given alone, without --copy-company, --export-hours or --export-history</source>
        <translation>--verify-records est indiqué seul, sans --copy-company, --export-hours ni --export-history</translation>
    </message>
    <message>
        <source>--seal is a seal for --verify-records to look for, which is not given</source>
        <translation>--seal est un sceau que --verify-records doit rechercher, mais --verify-records n&apos;est pas indiqué</translation>
    </message>
    <message>
        <source>--seal needs the 16 hex digits of a seal noted earlier, not &quot;%1&quot;</source>
        <translation>--seal nécessite les 16 chiffres hexadécimaux d&apos;un sceau noté auparavant, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--export-history is given twice</source>
        <translation>--export-history est indiqué deux fois</translation>
    </message>
    <message>
        <source>--export-history needs the path of the file to write</source>
        <translation>--export-history nécessite le chemin du fichier à écrire</translation>
    </message>
    <message>
        <source>--export-history and %1 cannot be given together</source>
        <translation>--export-history et %1 ne peuvent pas être indiqués ensemble</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file %1 cannot be read: %2</source>
        <translation>le fichier %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file %1 is not UTF-8 text</source>
        <translation>le fichier %1 n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>line %1 of %2 is not a group: %3</source>
        <translation>la ligne %1 de %2 n&apos;est pas un groupe&#xa0;: %3</translation>
    </message>
    <message>
        <source>line %1 of %2 is not &quot;key = value&quot;: %3</source>
        <translation>la ligne %1 de %2 n&apos;est pas de la forme «&#xa0;clé = valeur&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 gives url in [database] more than once</source>
        <translation>%1 indique url dans [database] plus d&apos;une fois</translation>
    </message>
    <message>
        <source>%1 gives an empty url in [database]</source>
        <translation>%1 indique une url vide dans [database]</translation>
    </message>
    <message>
        <source>line %1 of %2 holds the secret %3. Put a password in the file .pgpass, and other secrets in a service file (pg_service.conf), where only you can read them</source>
        <translation>la ligne %1 de %2 contient le secret %3. Placez un mot de passe dans le fichier .pgpass, et les autres secrets dans un fichier de service (pg_service.conf), où vous seul pouvez les lire</translation>
    </message>
    <message>
        <source>line %1 of %2: idle_logoff must be a whole number of seconds from 1 to %3, not &quot;%4&quot;</source>
        <translation>ligne %1 de %2&#xa0;: idle_logoff doit être un nombre entier de secondes compris entre 1 et %3, et non «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>%1 gives idle_logoff in [workstation] more than once</source>
        <translation>%1 indique idle_logoff dans [workstation] plus d&apos;une fois</translation>
    </message>
    <message>
        <source>punchwell: %1
Try &apos;punchwell --help&apos;.
</source>
        <translation>punchwell&#xa0;: %1
Essayez «&#xa0;punchwell --help&#xa0;».
</translation>
    </message>
    <message>
        <source>punchwell: %1</source>
        <translation>punchwell&#xa0;: %1</translation>
    </message>
    <message>
        <source>Copied the company from %1 to %2: %3 tables, 1 row, read back and found equal.</source>
        <translation>Entreprise copiée de %1 vers %2&#xa0;: %3 tables, 1 ligne, relues et trouvées identiques.</translation>
    </message>
    <message>
        <source>Copied the company from %1 to %2: %3 tables, %4 rows, read back and found equal.</source>
        <translation>Entreprise copiée de %1 vers %2&#xa0;: %3 tables, %4 lignes, relues et trouvées identiques.</translation>
    </message>
    <message>
        <source>%1 Tables made by hand without a stored order were copied in the order the source&apos;s database gave their rows: %2.</source>
        <translation>%1 Les tables créées à la main sans ordre enregistré ont été copiées dans l&apos;ordre où la base de données source a fourni leurs lignes&#xa0;: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Its records could not be verified: %1.</source>
        <translation>Les enregistrements de l&apos;entreprise n&apos;ont pas pu être vérifiés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Its records verify, seal %1.</source>
        <translation>Les enregistrements de l&apos;entreprise sont conformes, sceau %1.</translation>
    </message>
    <message>
        <source>It has no journal of changes yet.</source>
        <translation>L&apos;entreprise n&apos;a pas encore de journal des modifications.</translation>
    </message>
    <message>
        <source>Its records do not verify: %1.</source>
        <translation>Les enregistrements de l&apos;entreprise ne sont pas conformes&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Brought the company over from %1 to %2, read both back and found them equal.</source>
        <translation>Entreprise transférée de %1 vers %2&#xa0;; les deux ont été relus et trouvés identiques.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>seal %1</source>
        <translation>sceau %1</translation>
    </message>
    <message>
        <source>the records have no journal yet</source>
        <translation>les enregistrements n&apos;ont pas encore de journal</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify from row %1 on</source>
        <translation>le journal des enregistrements est rompu&#xa0;: ils ne sont plus conformes à partir de la ligne %1</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify</source>
        <translation>le journal des enregistrements est rompu&#xa0;: ils ne sont pas conformes</translation>
    </message>
    <message>
        <source>1 shift</source>
        <translation>1 période de travail</translation>
    </message>
    <message>
        <source>%1 shifts</source>
        <translation>%1 périodes de travail</translation>
    </message>
    <message>
        <source>1 employee</source>
        <translation>1 employé</translation>
    </message>
    <message>
        <source>%1 employees</source>
        <translation>%1 employés</translation>
    </message>
    <message>
        <source>Exported %1 of %2 to %3 (%4).</source>
        <translation>Export terminé&#xa0;: %1 de %2 vers %3 (%4).</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>Exported the journal&apos;s %1 to %2 (%3).</source>
        <translation>Export terminé&#xa0;: %1 du journal vers %2 (%3).</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The records verify: %1 in the journal, seal %2</source>
        <translation>Les enregistrements sont conformes&#xa0;: %1 dans le journal, sceau %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>row %1 of the journal breaks its chain: it was changed, removed or put in</source>
        <translation>la ligne %1 du journal rompt sa chaîne&#xa0;: elle a été modifiée, supprimée ou insérée</translation>
    </message>
    <message>
        <source>row %1 of the journal does not fit the records the rows before it made</source>
        <translation>la ligne %1 du journal ne correspond pas aux enregistrements produits par les lignes précédentes</translation>
    </message>
    <message>
        <source>the seal noted is not one of this journal&apos;s own: the records were rewritten since it was noted</source>
        <translation>le sceau noté n&apos;appartient pas à ce journal&#xa0;: les enregistrements ont été réécrits depuis qu&apos;il a été noté</translation>
    </message>
    <message>
        <source>&quot;Company Data&quot;, row %1: stored %2, the journal says %3</source>
        <translation>«&#xa0;Company Data&#xa0;», ligne %1&#xa0;: valeur enregistrée %2, le journal indique %3</translation>
    </message>
    <message>
        <source>the employee list, row %1: stored %2, the journal says %3</source>
        <translation>la liste des employés, ligne %1&#xa0;: valeur enregistrée %2, le journal indique %3</translation>
    </message>
    <message>
        <source>the log of %1, entry %2: stored %3, the journal says %4</source>
        <translation>le registre de %1, pointage %2&#xa0;: valeur enregistrée %3, le journal indique %4</translation>
    </message>
    <message>
        <source>the table %1 is a log the journal never made</source>
        <translation>la table %1 est un registre que le journal n&apos;a jamais créé</translation>
    </message>
    <message>
        <source>the log of %1 is missing</source>
        <translation>le registre de %1 est manquant</translation>
    </message>
    <message>
        <source>the records cannot be verified: the company has no journal of changes yet (it gets one when Punchwell first opens it to work)</source>
        <translation>les enregistrements ne peuvent pas être vérifiés&#xa0;: l&apos;entreprise n&apos;a pas encore de journal des modifications (elle en reçoit un la première fois que Punchwell l&apos;ouvre pour travailler)</translation>
    </message>
    <message>
        <source>the records do not verify: %1</source>
        <translation>les enregistrements ne sont pas conformes&#xa0;: %1</translation>
    </message>
    <message>
        <source>the records were not verified: %1</source>
        <translation>les enregistrements n&apos;ont pas été vérifiés&#xa0;: %1</translation>
    </message>
    <message>
        <source>an empty name</source>
        <translation>un nom vide</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus de %1 caractères</translation>
    </message>
    <message>
        <source>a character a table name cannot hold</source>
        <translation>un caractère qu&apos;un nom de table ne peut pas contenir</translation>
    </message>
    <message>
        <source>listed %1 times</source>
        <translation>présent %1 fois dans la liste</translation>
    </message>
    <message>
        <source>the name of one of the company&apos;s own tables</source>
        <translation>le nom de l&apos;une des tables propres à l&apos;entreprise</translation>
    </message>
    <message>
        <source>the same as %1 but for capital and small letters, so the two share one time log</source>
        <translation>identique à %1 aux majuscules et minuscules près, si bien que les deux partagent un même registre de pointage</translation>
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
        <translation>%1 employés et %2 pointages ont été transférés en %3 secondes.</translation>
    </message>
    <message>
        <source>%1: no time log</source>
        <translation>%1&#xa0;: aucun registre de pointage</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Entries per employee:</source>
        <translation>Pointages par employé&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (%2 entries)</source>
        <translation>%1 (%2 pointages)</translation>
    </message>
    <message>
        <source>Time logs of no listed employee, kept under their own names: %1.</source>
        <translation>Registres de pointage d&apos;aucun employé de la liste, conservés sous leur propre nom&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Names the add dialog would not accept, brought over as they are so these employees can still log on: %1.</source>
        <translation>Noms que la boîte d&apos;ajout n&apos;accepterait pas, transférés tels quels pour que ces employés puissent toujours se connecter&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Left out, as they are neither the company&apos;s tables nor time logs: %1.</source>
        <translation>Laissées de côté, car ce ne sont ni des tables de l&apos;entreprise ni des registres de pointage&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Fields left out: %1.</source>
        <translation>Champs laissés de côté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The old file held no company settings: Punchwell will ask for the company name.</source>
        <translation>L&apos;ancien fichier ne contenait aucun paramètre d&apos;entreprise&#xa0;: Punchwell demandera le nom de l&apos;entreprise.</translation>
    </message>
</context>
<context>
    <name>pw::ErrorText</name>
    <message>
        <source>the PostgreSQL server of this computer</source>
        <translation>le serveur PostgreSQL de cet ordinateur</translation>
    </message>
    <message>
        <source>the server of the service &quot;%1&quot;</source>
        <translation>le serveur du service «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the server at %1</source>
        <translation>le serveur %1</translation>
    </message>
    <message>
        <source>the server at [%1]:%2</source>
        <translation>le serveur [%1]:%2</translation>
    </message>
    <message>
        <source>the server at %1:%2</source>
        <translation>le serveur %1:%2</translation>
    </message>
    <message>
        <source>the default database on %1</source>
        <translation>la base de données par défaut sur %1</translation>
    </message>
    <message>
        <source>the database &quot;%1&quot; on %2</source>
        <translation>la base de données «&#xa0;%1&#xa0;» sur %2</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the source and the target are the same</source>
        <translation>la source et la cible sont identiques</translation>
    </message>
    <message>
        <source>%1 holds a company already (the table &quot;%2&quot;)</source>
        <translation>%1 contient déjà une entreprise (la table «&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has no fields</source>
        <translation>la table «&#xa0;%1&#xa0;» n&apos;a aucun champ</translation>
    </message>
    <message>
        <source>the target cannot hold a table named &quot;%1&quot;</source>
        <translation>la cible ne peut pas contenir de table nommée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a second table is named &quot;%1&quot; there (capital and small letters count as the same)</source>
        <translation>une autre table y porte le nom «&#xa0;%1&#xa0;» (les majuscules et les minuscules y sont considérées comme identiques)</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has a field &quot;%2&quot;, a name the target keeps for itself</source>
        <translation>la table «&#xa0;%1&#xa0;» a un champ «&#xa0;%2&#xa0;», un nom que la cible se réserve</translation>
    </message>
    <message>
        <source>the target&apos;s tables differ from the source&apos;s after the copy</source>
        <translation>les tables de la cible diffèrent de celles de la source après la copie</translation>
    </message>
    <message>
        <source>the fields of the table &quot;%1&quot; differ after the copy</source>
        <translation>les champs de la table «&#xa0;%1&#xa0;» diffèrent après la copie</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has %2 rows in the source and %3 in the target after the copy</source>
        <translation>la table «&#xa0;%1&#xa0;» a %2 lignes dans la source et %3 dans la cible après la copie</translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; differs between the source and the target after the copy</source>
        <translation>la ligne %1 de la table «&#xa0;%2&#xa0;» diffère entre la source et la cible après la copie</translation>
    </message>
    <message>
        <source>another program made the file %1 while the copy was being written; that file was left as it is</source>
        <translation>un autre programme a créé le fichier %1 pendant l&apos;écriture de la copie&#xa0;; ce fichier a été laissé tel quel</translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; holds in the field &quot;%3&quot; bytes that are not UTF-8 text, which cannot be copied exactly</source>
        <translation>la ligne %1 de la table «&#xa0;%2&#xa0;» contient dans le champ «&#xa0;%3&#xa0;» des octets qui ne sont pas du texte UTF-8 et ne peuvent pas être copiés à l&apos;identique</translation>
    </message>
    <message>
        <source>row %1 of the table &quot;%2&quot; holds in the field &quot;%3&quot; a text with a NUL character, which a database server cannot keep</source>
        <translation>la ligne %1 de la table «&#xa0;%2&#xa0;» contient dans le champ «&#xa0;%3&#xa0;» un texte comportant un caractère NUL, qu&apos;un serveur de base de données ne peut pas conserver</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; has a name that not every kind of company database can hold (a file keeps names beginning with &quot;sqlite_&quot; for itself, a server holds at most 63 bytes of a name), so the company could never move to the other kind</source>
        <translation>la table «&#xa0;%1&#xa0;» porte un nom que tous les types de base de données d&apos;entreprise ne peuvent pas contenir (un fichier se réserve les noms commençant par «&#xa0;sqlite_&#xa0;», un serveur ne conserve que 63 octets d&apos;un nom au plus)&#xa0;; l&apos;entreprise ne pourrait donc jamais passer à l&apos;autre type</translation>
    </message>
    <message>
        <source>it is not a postgresql:// address (%1)</source>
        <translation>ce n&apos;est pas une adresse postgresql:// (%1)</translation>
    </message>
    <message>
        <source>it holds a password. Put the password in the file .pgpass (or a service file) instead, where only you can read it</source>
        <translation>elle contient un mot de passe. Placez plutôt le mot de passe dans le fichier .pgpass (ou dans un fichier de service), où vous seul pouvez le lire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a connection parameter</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un paramètre de connexion</translation>
    </message>
    <message>
        <source>the value of %1 holds a &apos;;&apos;</source>
        <translation>la valeur de %1 contient un «&#xa0;;&#xa0;»</translation>
    </message>
    <message>
        <source>it is not a well-formed server address. It reads postgresql://USER@HOST:PORT/DATABASE, and parameters may follow after &apos;?&apos;</source>
        <translation>ce n&apos;est pas une adresse de serveur bien formée. Elle s&apos;écrit postgresql://UTILISATEUR@HÔTE:PORT/BASE, éventuellement suivie de paramètres après «&#xa0;?&#xa0;»</translation>
    </message>
    <message>
        <source>it holds the secret parameter %1. Put it in a service file (pg_service.conf) instead, where only you can read it, and name the service with service=</source>
        <translation>elle contient le paramètre secret %1. Placez-le plutôt dans un fichier de service (pg_service.conf), où vous seul pouvez le lire, et désignez le service par service=</translation>
    </message>
    <message>
        <source>it is cut short (%1 bytes, not a whole number of %2-byte pages)</source>
        <translation>il est tronqué (%1 octets, et non un nombre entier de pages de %2 octets)</translation>
    </message>
    <message>
        <source>it is cut short (%1 bytes, too short to hold its list of tables)</source>
        <translation>il est tronqué (%1 octets, trop peu pour contenir sa liste de tables)</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>sa liste de tables ne peut pas être lue</translation>
    </message>
    <message>
        <source>the definition of the table %1 cannot be read</source>
        <translation>la définition de la table %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>row %1 of the table %2 cannot be found</source>
        <translation>la ligne %1 de la table %2 est introuvable</translation>
    </message>
    <message>
        <source>row %1 of the table %2 cannot be taken apart</source>
        <translation>la ligne %1 de la table %2 ne peut pas être décomposée</translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a damaged value in the column %3</source>
        <translation>la ligne %1 de la table %2 a une valeur endommagée dans la colonne %3</translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a damaged long value in the column %3</source>
        <translation>la ligne %1 de la table %2 a une valeur longue endommagée dans la colonne %3</translation>
    </message>
    <message>
        <source>the table %1 holds %2 rows, but only %3 can be read</source>
        <translation>la table %1 contient %2 lignes, mais seules %3 peuvent être lues</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (erreur %2)</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Le fichier %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>the file %1 cannot be opened.</source>
        <translation>le fichier %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Le fichier %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the file %1 cannot be opened: %2.</source>
        <translation>le fichier %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a Microsoft Access database.</source>
        <translation>Le fichier %1 n&apos;est pas une base de données Microsoft Access.</translation>
    </message>
    <message>
        <source>the file %1 is not a Microsoft Access database.</source>
        <translation>le fichier %1 n&apos;est pas une base de données Microsoft Access.</translation>
    </message>
    <message>
        <source>The file %1 is a Microsoft Access database of a version this program does not know (version number %2).</source>
        <translation>Le fichier %1 est une base de données Microsoft Access d&apos;une version que ce programme ne connaît pas (numéro de version %2).</translation>
    </message>
    <message>
        <source>the file %1 is a Microsoft Access database of a version this program does not know (version number %2).</source>
        <translation>le fichier %1 est une base de données Microsoft Access d&apos;une version que ce programme ne connaît pas (numéro de version %2).</translation>
    </message>
    <message>
        <source>The file %1 is protected by a database password. Remove the password in Microsoft Access, then bring the file over again.</source>
        <translation>Le fichier %1 est protégé par un mot de passe de base de données. Supprimez le mot de passe dans Microsoft Access, puis transférez de nouveau le fichier.</translation>
    </message>
    <message>
        <source>the file %1 is protected by a database password. Remove the password in Microsoft Access, then bring the file over again.</source>
        <translation>le fichier %1 est protégé par un mot de passe de base de données. Supprimez le mot de passe dans Microsoft Access, puis transférez de nouveau le fichier.</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2.</source>
        <translation>Le fichier %1 est endommagé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the file %1 is damaged: %2.</source>
        <translation>le fichier %1 est endommagé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 has no table %2.</source>
        <translation>Le fichier %1 ne contient pas de table %2.</translation>
    </message>
    <message>
        <source>the file %1 has no table %2.</source>
        <translation>le fichier %1 ne contient pas de table %2.</translation>
    </message>
    <message>
        <source>Row %1 of the table %2 has a date in the column %3 outside the years 100 to 9999 (stored as %4).</source>
        <translation>La ligne %1 de la table %2 contient dans la colonne %3 une date en dehors des années 100 à 9999 (enregistrée sous la forme %4).</translation>
    </message>
    <message>
        <source>row %1 of the table %2 has a date in the column %3 outside the years 100 to 9999 (stored as %4).</source>
        <translation>la ligne %1 de la table %2 contient dans la colonne %3 une date en dehors des années 100 à 9999 (enregistrée sous la forme %4).</translation>
    </message>
    <message>
        <source>The column %1 of the table %2 has a type (%3) this program cannot read.</source>
        <translation>La colonne %1 de la table %2 est d&apos;un type (%3) que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>the column %1 of the table %2 has a type (%3) this program cannot read.</source>
        <translation>la colonne %1 de la table %2 est d&apos;un type (%3) que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>The file %1 is an Access database, but not a company file: it has no table “datalist”, the list of employees.</source>
        <translation>Le fichier %1 est une base de données Access, mais pas un fichier d&apos;entreprise&#xa0;: il ne contient pas de table «&#xa0;datalist&#xa0;», la liste des employés.</translation>
    </message>
    <message>
        <source>the file %1 is an Access database, but not a company file: it has no table “datalist”, the list of employees.</source>
        <translation>le fichier %1 est une base de données Access, mais pas un fichier d&apos;entreprise&#xa0;: il ne contient pas de table «&#xa0;datalist&#xa0;», la liste des employés.</translation>
    </message>
    <message>
        <source>The file %1 is an Access database, but not a company file: its list of employees “%2” has no field “Ename”.</source>
        <translation>Le fichier %1 est une base de données Access, mais pas un fichier d&apos;entreprise&#xa0;: sa liste des employés «&#xa0;%2&#xa0;» n&apos;a pas de champ «&#xa0;Ename&#xa0;».</translation>
    </message>
    <message>
        <source>the file %1 is an Access database, but not a company file: its list of employees “%2” has no field “Ename”.</source>
        <translation>le fichier %1 est une base de données Access, mais pas un fichier d&apos;entreprise&#xa0;: sa liste des employés «&#xa0;%2&#xa0;» n&apos;a pas de champ «&#xa0;Ename&#xa0;».</translation>
    </message>
    <message>
        <source>Row %1 of the table %2 holds in the field %3 a value Punchwell cannot keep there (binary data).</source>
        <translation>La ligne %1 de la table %2 contient dans le champ %3 une valeur que Punchwell ne peut pas y conserver (données binaires).</translation>
    </message>
    <message>
        <source>row %1 of the table %2 holds in the field %3 a value Punchwell cannot keep there (binary data).</source>
        <translation>la ligne %1 de la table %2 contient dans le champ %3 une valeur que Punchwell ne peut pas y conserver (données binaires).</translation>
    </message>
    <message>
        <source>It was cancelled.</source>
        <translation>Le transfert a été annulé.</translation>
    </message>
    <message>
        <source>it was cancelled.</source>
        <translation>le transfert a été annulé.</translation>
    </message>
    <message>
        <source>Another program is making a new company file %1 right now (it holds the lock file %2); try again when it is done.</source>
        <translation>Un autre programme est en train de créer un nouveau fichier d&apos;entreprise %1 (il détient le fichier de verrouillage %2)&#xa0;; réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>another program is making a new company file %1 right now (it holds the lock file %2); try again when it is done.</source>
        <translation>un autre programme est en train de créer un nouveau fichier d&apos;entreprise %1 (il détient le fichier de verrouillage %2)&#xa0;; réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1.</source>
        <translation>Rien ne peut être écrit dans le dossier %1.</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1.</source>
        <translation>rien ne peut être écrit dans le dossier %1.</translation>
    </message>
    <message>
        <source>Nothing can be written in the folder %1 (%2).</source>
        <translation>Rien ne peut être écrit dans le dossier %1 (%2).</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2).</source>
        <translation>rien ne peut être écrit dans le dossier %1 (%2).</translation>
    </message>
    <message>
        <source>%1 exists already.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <source>The new file could not be named %1: %2.</source>
        <translation>Le nouveau fichier n&apos;a pas pu être nommé %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the new file could not be named %1: %2.</source>
        <translation>le nouveau fichier n&apos;a pas pu être nommé %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The old file could not be kept as %1: %2.</source>
        <translation>L&apos;ancien fichier n&apos;a pas pu être conservé sous le nom %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the old file could not be kept as %1: %2.</source>
        <translation>l&apos;ancien fichier n&apos;a pas pu être conservé sous le nom %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The new company could not be made in %1: %2.</source>
        <translation>La nouvelle entreprise n&apos;a pas pu être créée dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the new company could not be made in %1: %2.</source>
        <translation>la nouvelle entreprise n&apos;a pas pu être créée dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a database file</source>
        <translation>c&apos;est un dossier, et non un fichier de base de données</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is a Microsoft Access (Jet) database. Punchwell keeps its data in an SQLite database and opens an Access file only to bring the company over (at the start in its folder, or with --copy-company)</source>
        <translation>c&apos;est une base de données Microsoft Access (Jet). Punchwell conserve ses données dans une base de données SQLite et n&apos;ouvre un fichier Access que pour en transférer l&apos;entreprise (au démarrage dans son dossier, ou avec --copy-company)</translation>
    </message>
    <message>
        <source>the file is not a database that Punchwell can read</source>
        <translation>le fichier n&apos;est pas une base de données que Punchwell sait lire</translation>
    </message>
    <message>
        <source>the file is damaged (it is cut short)</source>
        <translation>le fichier est endommagé (il est tronqué)</translation>
    </message>
    <message>
        <source>a file of that name exists already</source>
        <translation>un fichier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>the new file could not be put in place</source>
        <translation>le nouveau fichier n&apos;a pas pu être mis en place</translation>
    </message>
    <message>
        <source>the database file %1 was moved, renamed or deleted while Punchwell was running, so nothing can be stored in it. Put the file back, or start Punchwell again</source>
        <translation>le fichier de base de données %1 a été déplacé, renommé ou supprimé pendant que Punchwell fonctionnait&#xa0;; plus rien ne peut donc y être enregistré. Remettez le fichier en place ou redémarrez Punchwell</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2)</source>
        <translation>rien ne peut être écrit dans le dossier %1 (%2)</translation>
    </message>
    <message>
        <source>the database file is damaged (%1)</source>
        <translation>le fichier de base de données est endommagé (%1)</translation>
    </message>
    <message>
        <source>the database is in use by another program or another copy of Punchwell. Please wait a moment and try again</source>
        <translation>la base de données est utilisée par un autre programme ou par une autre instance de Punchwell. Veuillez patienter un instant et réessayer</translation>
    </message>
    <message>
        <source>the database file is read-only, so nothing can be stored in it</source>
        <translation>le fichier de base de données est en lecture seule&#xa0;; rien ne peut donc y être enregistré</translation>
    </message>
    <message>
        <source>there is no room left to store the change (the disk or the database file is full)</source>
        <translation>il n&apos;y a plus de place pour enregistrer la modification (le disque ou le fichier de base de données est plein)</translation>
    </message>
    <message>
        <source>the database file is damaged</source>
        <translation>le fichier de base de données est endommagé</translation>
    </message>
    <message>
        <source>the database file cannot be opened</source>
        <translation>le fichier de base de données ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>le disque n&apos;a pas pu être lu ou écrit</translation>
    </message>
    <message>
        <source>a table cannot be found (%1)</source>
        <translation>une table est introuvable (%1)</translation>
    </message>
    <message>
        <source>the database reported an error</source>
        <translation>la base de données a signalé une erreur</translation>
    </message>
    <message>
        <source>the database is not open</source>
        <translation>la base de données n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>the %1 database driver of Qt is not installed</source>
        <translation>le pilote de base de données %1 de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the database cannot be opened</source>
        <translation>la base de données ne peut pas être ouverte</translation>
    </message>
    <message>
        <source>it is not a Punchwell company database (the table &quot;%1&quot; is missing)</source>
        <translation>ce n&apos;est pas une base de données d&apos;entreprise Punchwell (la table «&#xa0;%1&#xa0;» est manquante)</translation>
    </message>
    <message>
        <source>the change was not begun</source>
        <translation>la modification n&apos;a pas été commencée</translation>
    </message>
    <message>
        <source>%1. The change was being stored when the connection ended: it may or may not have been stored. Look at the data again before you repeat it</source>
        <translation>%1. La modification était en cours d&apos;enregistrement quand la connexion a pris fin&#xa0;: elle a pu être enregistrée ou non. Vérifiez les données avant de la refaire</translation>
    </message>
    <message>
        <source>the server&apos;s address cannot be used: %1</source>
        <translation>l&apos;adresse du serveur est inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>the server&apos;s address cannot be used (%1)</source>
        <translation>l&apos;adresse du serveur est inutilisable (%1)</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>%1 holds no Punchwell company</source>
        <translation>%1 ne contient aucune entreprise Punchwell</translation>
    </message>
    <message>
        <source>%1 holds a company already</source>
        <translation>%1 contient déjà une entreprise</translation>
    </message>
    <message>
        <source>%1 runs PostgreSQL %2, and Punchwell needs version 10 or later</source>
        <translation>%1 utilise PostgreSQL %2, alors que Punchwell nécessite la version 10 ou une version ultérieure</translation>
    </message>
    <message>
        <source>the connection to %1 is not open</source>
        <translation>la connexion avec %1 n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>there is no such database: %1 does not exist</source>
        <translation>cette base de données n&apos;existe pas&#xa0;: %1 est introuvable</translation>
    </message>
    <message>
        <source>the server refused the user name or the password for %1 (%2)</source>
        <translation>le serveur a refusé le nom d&apos;utilisateur ou le mot de passe pour %1 (%2)</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>%1 n&apos;a pas répondu dans un délai de %2 secondes</translation>
    </message>
    <message>
        <source>%1 cannot be reached: the server is not running, or the address is wrong, or the network is down (%2)</source>
        <translation>impossible de joindre %1&#xa0;: le serveur ne fonctionne pas, l&apos;adresse est erronée ou le réseau est coupé (%2)</translation>
    </message>
    <message>
        <source>the connection to %1 was lost in the middle of the action</source>
        <translation>la connexion avec %1 a été perdue en cours d&apos;opération</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: the server stopped or ended it (%2)</source>
        <translation>la connexion avec %1 a été perdue&#xa0;: le serveur s&apos;est arrêté ou y a mis fin (%2)</translation>
    </message>
    <message>
        <source>the database is in use: another workstation is changing the same data on %1 and did not finish within %2 seconds. Nothing was stored. Please wait a moment and try again</source>
        <translation>la base de données est occupée&#xa0;: un autre poste de travail modifie les mêmes données sur %1 et n&apos;a pas terminé dans un délai de %2 secondes. Rien n&apos;a été enregistré. Veuillez patienter un instant et réessayer</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds, so the program stopped waiting and gave the connection up</source>
        <translation>%1 n&apos;a pas répondu dans un délai de %2 secondes&#xa0;; le programme a donc cessé d&apos;attendre et abandonné la connexion</translation>
    </message>
    <message>
        <source>%1 did not finish the action within %2 seconds, so it was stopped</source>
        <translation>%1 n&apos;a pas terminé l&apos;opération dans un délai de %2 secondes&#xa0;; elle a donc été interrompue</translation>
    </message>
    <message>
        <source>a table cannot be found (there is no table &quot;%1&quot; in %2)</source>
        <translation>une table est introuvable (il n&apos;y a pas de table «&#xa0;%1&#xa0;» dans %2)</translation>
    </message>
    <message>
        <source>the server does not let this user change the company&apos;s data in %1 (%2)</source>
        <translation>le serveur n&apos;autorise pas cet utilisateur à modifier les données de l&apos;entreprise dans %1 (%2)</translation>
    </message>
    <message>
        <source>%1 can only be read at present (%2)</source>
        <translation>%1 est actuellement en lecture seule (%2)</translation>
    </message>
    <message>
        <source>the server has no room left to store the change (%1)</source>
        <translation>le serveur n&apos;a plus de place pour enregistrer la modification (%1)</translation>
    </message>
    <message>
        <source>the server refused a value (%1)</source>
        <translation>le serveur a refusé une valeur (%1)</translation>
    </message>
    <message>
        <source>the server found the data of %1 damaged (%2)</source>
        <translation>le serveur a trouvé des données endommagées dans %1 (%2)</translation>
    </message>
    <message>
        <source>the server could not read or write its disk (%1)</source>
        <translation>le serveur n&apos;a pas pu lire ou écrire sur son disque (%1)</translation>
    </message>
    <message>
        <source>an earlier step of this action failed, so the server refused the rest</source>
        <translation>une étape précédente de cette opération a échoué&#xa0;; le serveur a donc refusé la suite</translation>
    </message>
    <message>
        <source>the database server reported an error</source>
        <translation>le serveur de base de données a signalé une erreur</translation>
    </message>
    <message>
        <source>the table &quot;%1&quot; could not be copied: %2</source>
        <translation>la table «&#xa0;%1&#xa0;» n&apos;a pas pu être copiée&#xa0;: %2</translation>
    </message>
    <message>
        <source>the company to copy is not open</source>
        <translation>l&apos;entreprise à copier n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>the view is not open</source>
        <translation>la vue n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>there is no current record</source>
        <translation>il n&apos;y a pas d&apos;enregistrement courant</translation>
    </message>
    <message>
        <source>the table has no field &quot;%1&quot;</source>
        <translation>la table n&apos;a pas de champ «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the time log of %1 holds an entry without a readable date and time, so one shift was left out of the total</source>
        <translation>le registre de pointage de %1 contient un pointage sans date ni heure lisibles&#xa0;; une période de travail a donc été exclue du total</translation>
    </message>
    <message>
        <source>the time log of %1 holds an entry without a readable date and time, so %2 shifts were left out of the total</source>
        <translation>le registre de pointage de %1 contient un pointage sans date ni heure lisibles&#xa0;; %2 périodes de travail ont donc été exclues du total</translation>
    </message>
    <message>
        <source>the wage per hour of %1 (&quot;%2&quot;) is not a number, so the wages show 0</source>
        <translation>le salaire horaire de %1 («&#xa0;%2&#xa0;») n&apos;est pas un nombre&#xa0;; le salaire affiché est donc 0</translation>
    </message>
    <message>
        <source>the wage per hour of %1 (&quot;%2&quot;) is too large to count with, so the wages show 0</source>
        <translation>le salaire horaire de %1 («&#xa0;%2&#xa0;») est trop élevé pour être calculé&#xa0;; le salaire affiché est donc 0</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date et une heure</translation>
    </message>
    <message>
        <source>%1 would come before %2, the date and time of the entry before it, and the entries of a log must stay in order</source>
        <translation>%1 viendrait avant %2, la date et l&apos;heure du pointage précédent, or les pointages d&apos;un registre doivent rester dans l&apos;ordre</translation>
    </message>
    <message>
        <source>%1 would come after %2, the date and time of the entry after it, and the entries of a log must stay in order</source>
        <translation>%1 viendrait après %2, la date et l&apos;heure du pointage suivant, or les pointages d&apos;un registre doivent rester dans l&apos;ordre</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1: %2.  Nothing was stored.</source>
        <translation>%1&#xa0;: %2. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>%1: %2.%3</source>
        <translation>%1&#xa0;: %2.%3</translation>
    </message>
    <message>
        <source>Invalid Date / Time.  %1. Please correct the entry and try again</source>
        <translation>Date/heure non valide. %1. Veuillez corriger la saisie et réessayer</translation>
    </message>
    <message>
        <source>Invalid Date / Time.  Please correct the entry and try again</source>
        <translation>Date/heure non valide. Veuillez corriger la saisie et réessayer</translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2.</source>
        <translation>L&apos;erreur numéro %1 s&apos;est produite&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2. Nothing was stored. Please try again.</source>
        <translation>L&apos;erreur numéro %1 s&apos;est produite&#xa0;: %2. Rien n&apos;a été enregistré. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Error number: %1  has occured:  %2. Please try again.</source>
        <translation>L&apos;erreur numéro %1 s&apos;est produite&#xa0;: %2. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Punchwell cannot %1 in the company database
%2
because %3. Punchwell will now close.</source>
        <translation>Punchwell ne peut pas %1 dans la base de données de l&apos;entreprise
%2
car %3. Punchwell va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Punchwell cannot use its company database

%1

because %2.

Nothing in the database has been changed. Punchwell will now close.</source>
        <translation>Punchwell ne peut pas utiliser sa base de données d&apos;entreprise

%1

car %2.

Rien n&apos;a été modifié dans la base de données. Punchwell va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Punchwell cannot use its company database

%1

because %2.

Nothing in the file has been changed. Punchwell will now close.</source>
        <translation>Punchwell ne peut pas utiliser sa base de données d&apos;entreprise

%1

car %2.

Rien n&apos;a été modifié dans le fichier. Punchwell va maintenant se fermer.</translation>
    </message>
    <message>
        <source>A new company database could not be created in

%1

because %2. Punchwell will now close.</source>
        <translation>Une nouvelle base de données d&apos;entreprise n&apos;a pas pu être créée dans

%1

car %2. Punchwell va maintenant se fermer.</translation>
    </message>
    <message>
        <source>A new company database could not be created at

%1

because %2. Punchwell will now close.</source>
        <translation>Une nouvelle base de données d&apos;entreprise n&apos;a pas pu être créée à l&apos;emplacement

%1

car %2. Punchwell va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Punchwell cannot tell where its company database is, because %1.

Punchwell will now close.</source>
        <translation>Punchwell ne peut pas déterminer où se trouve sa base de données d&apos;entreprise, car %1.

Punchwell va maintenant se fermer.</translation>
    </message>
    <message>
        <source>The company file

%1

is an Access-format database that Punchwell cannot bring over:

%2

Nothing has been changed. Punchwell will now close.</source>
        <translation>Le fichier de l&apos;entreprise

%1

est une base de données au format Access que Punchwell ne peut pas transférer&#xa0;:

%2

Rien n&apos;a été modifié. Punchwell va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Punchwell could not bring the company over from

%1

%2

Nothing has been changed: “%3” is still the Access-format file, and no new file was left behind. Punchwell will now close.</source>
        <translation>Punchwell n&apos;a pas pu transférer l&apos;entreprise depuis

%1

%2

Rien n&apos;a été modifié&#xa0;: «&#xa0;%3&#xa0;» est toujours le fichier au format Access, et aucun nouveau fichier n&apos;a été laissé. Punchwell va maintenant se fermer.</translation>
    </message>
    <message>
        <source>The company was not brought over: it was cancelled. “%1” is still the Access-format file, unchanged. Punchwell will now close.</source>
        <translation>L&apos;entreprise n&apos;a pas été transférée&#xa0;: l&apos;opération a été annulée. «&#xa0;%1&#xa0;» est toujours le fichier au format Access, inchangé. Punchwell va maintenant se fermer.</translation>
    </message>
    <message>
        <source>the company was not copied: %1</source>
        <translation>l&apos;entreprise n&apos;a pas été copiée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>pw::FirstRunWindow</name>
    <message>
        <source>Punchwell Startup Screen</source>
        <translation>Écran de démarrage de Punchwell</translation>
    </message>
    <message>
        <source>     Welcome to Punchwell startup!  I&apos;m glad your company has chosen to test Punchwell, and hope you find it as useful as others have.
In order for Punchwell to work properly, please supply your company name exactly as you wish for it to appear throughout Punchwell.  You will NOT be able to change this later.</source>
        <translation>     Bienvenue dans Punchwell&#xa0;! Je suis ravi que votre entreprise ait choisi d&apos;essayer Punchwell, et j&apos;espère que vous le trouverez aussi utile que d&apos;autres avant vous.
Pour que Punchwell fonctionne correctement, veuillez indiquer le nom de votre entreprise exactement tel que vous souhaitez le voir apparaître partout dans Punchwell. Vous ne pourrez PAS le modifier par la suite.</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Nom de l&apos;entreprise&#xa0;:</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Nom de l&apos;entreprise</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The company name could not be stored</source>
        <translation>Le nom de l&apos;entreprise n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source> Please try again.</source>
        <translation> Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Thank You.  You must now Restart Punchwell.</source>
        <translation>Merci. Vous devez maintenant redémarrer Punchwell.</translation>
    </message>
    <message>
        <source>Please Restart</source>
        <translation>Veuillez redémarrer</translation>
    </message>
</context>
<context>
    <name>pw::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Changes to the employee&apos;s records</source>
        <translation>Modifications des enregistrements de l&apos;employé</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Workstation</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>Historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sorry, the history could not be read</source>
        <translation>Désolé, l&apos;historique n&apos;a pas pu être lu</translation>
    </message>
</context>
<context>
    <name>pw::LogonWindow</name>
    <message>
        <source>Find Your Name</source>
        <translation>Trouvez votre nom</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Password Required:</source>
        <translation>Mot de passe requis&#xa0;:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>read the company settings</source>
        <translation>lire les paramètres de l&apos;entreprise</translation>
    </message>
    <message>
        <source>read the list of employees</source>
        <translation>lire la liste des employés</translation>
    </message>
    <message>
        <source>Log In Error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>The list of employees cannot be read</source>
        <translation>La liste des employés ne peut pas être lue</translation>
    </message>
    <message>
        <source>Please enter a valid Name or click on the Combo Box.</source>
        <translation>Veuillez saisir un nom valide ou cliquer sur la liste déroulante.</translation>
    </message>
    <message>
        <source>The time log of %1 cannot be opened</source>
        <translation>Le registre de pointage de %1 ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>The time log of %1 is missing from the company database, so %1 cannot log on. Please ask the Manager to look into it.</source>
        <translation>Le registre de pointage de %1 est absent de la base de données de l&apos;entreprise&#xa0;; %1 ne peut donc pas se connecter. Veuillez demander au Manager de vérifier.</translation>
    </message>
    <message>
        <source>Incorrect Password, Please retry or Cancel.</source>
        <translation>Mot de passe incorrect. Veuillez réessayer ou annuler.</translation>
    </message>
    <message>
        <source>Password Error</source>
        <translation>Erreur de mot de passe</translation>
    </message>
    <message>
        <source>Click here for names--&gt;</source>
        <translation>Cliquez ici pour les noms--&gt;</translation>
    </message>
    <message>
        <source>Click here for choice of Names----&gt;</source>
        <translation>Cliquez ici pour choisir un nom----&gt;</translation>
    </message>
</context>
<context>
    <name>pw::MainWindow</name>
    <message>
        <source>Forgotten clock-out</source>
        <translation>Oubli de pointage de départ</translation>
    </message>
    <message>
        <source>Punchwell functions</source>
        <translation>Fonctions de Punchwell</translation>
    </message>
    <message>
        <source>Time Functions</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Gestion</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Clock &amp;In</source>
        <translation>Pointer l&apos;&amp;arrivée</translation>
    </message>
    <message>
        <source>Clock &amp;Out</source>
        <translation>Pointer le &amp;départ</translation>
    </message>
    <message>
        <source>&amp;Print Log</source>
        <translation>&amp;Imprimer le registre</translation>
    </message>
    <message>
        <source>&amp;Clear Log</source>
        <translation>&amp;Effacer le registre</translation>
    </message>
    <message>
        <source>&amp;Delete Last</source>
        <translation>&amp;Supprimer le dernier pointage</translation>
    </message>
    <message>
        <source>Change My Pass&amp;word</source>
        <translation>&amp;Changer mon mot de passe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>You have been clocked in since %1, more than %2 hours ago. Did you forget to clock out?</source>
        <translation>Votre arrivée est pointée depuis le %1, il y a plus de %2 heures. Avez-vous oublié de pointer votre départ&#xa0;?</translation>
    </message>
</context>
<context>
    <name>pw::ManagementTab</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Delete Error</source>
        <translation>Erreur de suppression</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Employee&apos;s estimated wages</source>
        <translation>Salaire estimé de l&apos;employé</translation>
    </message>
    <message>
        <source>seal %1</source>
        <translation>sceau %1</translation>
    </message>
    <message>
        <source>the records have no journal yet</source>
        <translation>les enregistrements n&apos;ont pas encore de journal</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify from row %1 on</source>
        <translation>le journal des enregistrements est rompu&#xa0;: ils ne sont plus conformes à partir de la ligne %1</translation>
    </message>
    <message>
        <source>the records&apos; journal is broken: they do not verify</source>
        <translation>le journal des enregistrements est rompu&#xa0;: ils ne sont pas conformes</translation>
    </message>
    <message>
        <source>Select an Employee:</source>
        <translation>Choisissez un employé&#xa0;:</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Employee name</source>
        <translation>Nom de l&apos;employé</translation>
    </message>
    <message>
        <source>$/hr:</source>
        <translation>Salaire/h&#xa0;:</translation>
    </message>
    <message>
        <source>Wage per hour</source>
        <translation>Salaire horaire</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Heures&#xa0;:</translation>
    </message>
    <message>
        <source>Employee&apos;s hours</source>
        <translation>Heures de l&apos;employé</translation>
    </message>
    <message>
        <source>Employee&apos;s time log</source>
        <translation>Registre de pointage de l&apos;employé</translation>
    </message>
    <message>
        <source>Toggle Employee Grid</source>
        <translation>Afficher/masquer la grille</translation>
    </message>
    <message>
        <source>Click here to view an Employee&apos;s data in a Data Grid.</source>
        <translation>Cliquez ici pour afficher les données d&apos;un employé dans une grille.</translation>
    </message>
    <message>
        <source>Functions:</source>
        <translation>Fonctions&#xa0;:</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add a new Employee</source>
        <translation>Ajouter un nouvel employé</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete an Employee</source>
        <translation>Supprimer un employé</translation>
    </message>
    <message>
        <source>Clear Log</source>
        <translation>Effacer le registre</translation>
    </message>
    <message>
        <source>Clear an Employee&apos;s logs</source>
        <translation>Effacer le registre d&apos;un employé</translation>
    </message>
    <message>
        <source>Print Log</source>
        <translation>Imprimer le registre</translation>
    </message>
    <message>
        <source>Print an Employee&apos;s Time Card</source>
        <translation>Imprimer la fiche de pointage d&apos;un employé</translation>
    </message>
    <message>
        <source>Chg Pass</source>
        <translation>Chg. mot de passe</translation>
    </message>
    <message>
        <source>Change an Employee&apos;s password</source>
        <translation>Changer le mot de passe d&apos;un employé</translation>
    </message>
    <message>
        <source>Get Hrs/$</source>
        <translation>Heures/salaire</translation>
    </message>
    <message>
        <source>Get the Employee&apos;s total number of hours and pay.</source>
        <translation>Calculer le nombre total d&apos;heures et le salaire de l&apos;employé.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Show every change to the employee&apos;s records</source>
        <translation>Afficher toutes les modifications des enregistrements de l&apos;employé</translation>
    </message>
    <message>
        <source>Who&apos;s In</source>
        <translation>Présents</translation>
    </message>
    <message>
        <source>Show who is clocked in now</source>
        <translation>Afficher les employés présents en ce moment</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Change Punchwell&apos;s properties</source>
        <translation>Modifier les propriétés de Punchwell</translation>
    </message>
    <message>
        <source>Save every employee&apos;s hours through an ending date for payroll</source>
        <translation>Enregistrer les heures de tous les employés jusqu&apos;à une date de fin, pour la paie</translation>
    </message>
    <message>
        <source>Would you like to print all employees? (default:  print current employee only)</source>
        <translation>Voulez-vous imprimer tous les employés&#xa0;? (par défaut&#xa0;: imprimer seulement l&apos;employé sélectionné)</translation>
    </message>
    <message>
        <source>Print Punchwell through this ending date: </source>
        <translation>Imprimer les pointages jusqu&apos;à cette date de fin&#xa0;: </translation>
    </message>
    <message>
        <source>Printing was stopped after %1 of %2 employees.</source>
        <translation>L&apos;impression a été arrêtée après %1 des %2 employés.</translation>
    </message>
    <message>
        <source>Would you like to clear the log for all employees? (default: clear current employee only)</source>
        <translation>Voulez-vous effacer le registre de tous les employés&#xa0;? (par défaut&#xa0;: effacer seulement celui de l&apos;employé sélectionné)</translation>
    </message>
    <message>
        <source>Clear log until this date: </source>
        <translation>Effacer le registre jusqu&apos;à cette date&#xa0;: </translation>
    </message>
    <message>
        <source>Clearing was stopped after %1 of %2 employees.</source>
        <translation>L&apos;effacement a été arrêté après %1 des %2 employés.</translation>
    </message>
    <message>
        <source>Sorry, cannot delete the Manager</source>
        <translation>Désolé, impossible de supprimer le Manager</translation>
    </message>
    <message>
        <source>Sorry, the list of employees cannot be read</source>
        <translation>Désolé, la liste des employés ne peut pas être lue</translation>
    </message>
    <message>
        <source>Sorry, the Name doesn&apos;t appear to exist.  Try again.</source>
        <translation>Désolé, ce nom ne semble pas exister. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Deleting an employee is permanent.  He/She will no longer be able to use the Punchwell Program unless you add them again. Do you want to continue ?</source>
        <translation>La suppression d&apos;un employé est définitive. Il ou elle ne pourra plus utiliser Punchwell, à moins que vous ne l&apos;ajoutiez de nouveau. Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Punchwell Warning</source>
        <translation>Avertissement Punchwell</translation>
    </message>
    <message>
        <source>Sorry, the Employee could not be deleted</source>
        <translation>Désolé, l&apos;employé n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <translation>  Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Employee has been deleted.</source>
        <translation>L&apos;employé a été supprimé.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Export Punchwell through this ending date: </source>
        <translation>Exporter les pointages jusqu&apos;à cette date de fin&#xa0;: </translation>
    </message>
    <message>
        <source>Save every employee&apos;s hours as a CSV file</source>
        <translation>Enregistrer les heures de tous les employés dans un fichier CSV</translation>
    </message>
    <message>
        <source>hours-%1.csv</source>
        <translation>heures-%1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The hours of %1 (%2) were saved in %3 (%4).</source>
        <translation>Les heures de %1 (%2) ont été enregistrées dans %3 (%4).</translation>
    </message>
    <message>
        <source>1 employee</source>
        <translation>1 employé</translation>
    </message>
    <message>
        <source>%1 employees</source>
        <translation>%1 employés</translation>
    </message>
    <message>
        <source>1 shift</source>
        <translation>1 période de travail</translation>
    </message>
    <message>
        <source>%1 shifts</source>
        <translation>%1 périodes de travail</translation>
    </message>
    <message>
        <source>Sorry, the hours could not be exported</source>
        <translation>Désolé, les heures n&apos;ont pas pu être exportées</translation>
    </message>
    <message>
        <source>  No file was saved.</source>
        <translation>  Aucun fichier n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Sorry, the hours could not be saved in %1: %2</source>
        <translation>Désolé, les heures n&apos;ont pas pu être enregistrées dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>pw::PasswordDialog</name>
    <message>
        <source>Change Pass Error</source>
        <translation>Erreur de changement de mot de passe</translation>
    </message>
    <message>
        <source>Enter New Password:</source>
        <translation>Saisissez le nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Employee&apos;s new password</source>
        <translation>Nouveau mot de passe de l&apos;employé</translation>
    </message>
    <message>
        <source>The password could not be stored</source>
        <translation>Le mot de passe n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <translation>  Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Password Successfully Changed.  The Management functions open at your next logon.</source>
        <translation>Mot de passe modifié avec succès. Les fonctions de gestion seront accessibles à votre prochaine connexion.</translation>
    </message>
    <message>
        <source>Password Successfully Changed.</source>
        <translation>Mot de passe modifié avec succès.</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>Réussi&#xa0;!</translation>
    </message>
    <message>
        <source>Sorry, their was a problem with the data file. Check with your system administrator.</source>
        <translation>Désolé, un problème est survenu avec le fichier de données. Adressez-vous à votre administrateur système.</translation>
    </message>
</context>
<context>
    <name>pw::PropertiesDialog</name>
    <message>
        <source>User Properties:</source>
        <translation>Propriétés utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Disable Employee Edits</source>
        <translation>Désactiver les modifications par les employés</translation>
    </message>
    <message>
        <source>Disable Employee Wages Display</source>
        <translation>Désactiver l&apos;affichage du salaire des employés</translation>
    </message>
    <message>
        <source>Turn off all Login Descriptions</source>
        <translation>Désactiver la demande de tâche à l&apos;arrivée</translation>
    </message>
    <message>
        <source>The stored settings could not be read</source>
        <translation>Les paramètres enregistrés n&apos;ont pas pu être lus</translation>
    </message>
    <message>
        <source> The switches are shown as off.</source>
        <translation> Les options sont affichées comme désactivées.</translation>
    </message>
    <message>
        <source>The setting could not be stored</source>
        <translation>Le paramètre n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source> Nothing was changed.</source>
        <translation> Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>pw::QtPrinterFactory</name>
    <message>
        <source>%1 could not be written completely</source>
        <translation>%1 n&apos;a pas pu être écrit entièrement</translation>
    </message>
    <message>
        <source>%1 reported an error while the job was sent</source>
        <translation>%1 a signalé une erreur pendant l&apos;envoi du travail d&apos;impression</translation>
    </message>
    <message>
        <source>%1 cannot be written (is the folder there, and may it be written to?)</source>
        <translation>%1 ne peut pas être écrit (le dossier existe-t-il, et est-il accessible en écriture&#xa0;?)</translation>
    </message>
    <message>
        <source>%1 did not accept the job</source>
        <translation>%1 n&apos;a pas accepté le travail d&apos;impression</translation>
    </message>
    <message>
        <source>%1 could not start a new page</source>
        <translation>%1 n&apos;a pas pu commencer une nouvelle page</translation>
    </message>
    <message>
        <source>this computer has no default printer</source>
        <translation>cet ordinateur n&apos;a pas d&apos;imprimante par défaut</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>l&apos;imprimante «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 is stopped or out of order</source>
        <translation>%1 est arrêtée ou hors service</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>pw::RecordBrowser</name>
    <message>
        <source>First record</source>
        <translation>Premier enregistrement</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Enregistrement précédent</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Enregistrement suivant</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Dernier enregistrement</translation>
    </message>
</context>
<context>
    <name>pw::RunProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>pw::SplashWindow</name>
    <message>
        <source>Punchwell is starting</source>
        <translation>Punchwell démarre</translation>
    </message>
</context>
<context>
    <name>pw::StartUp</name>
    <message>
        <source>Punchwell cannot find its company database in

%1

which holds no Punchwell company yet. Do you want to create a new company database there? Punchwell will then ask for your company name.</source>
        <translation>Punchwell ne trouve pas sa base de données d&apos;entreprise dans

%1

qui ne contient encore aucune entreprise Punchwell. Voulez-vous y créer une nouvelle base de données d&apos;entreprise&#xa0;? Punchwell vous demandera ensuite le nom de votre entreprise.</translation>
    </message>
    <message>
        <source>Punchwell cannot find its company database

%1

Do you want to create a new company database there? Punchwell will then ask for your company name.</source>
        <translation>Punchwell ne trouve pas sa base de données d&apos;entreprise

%1

Voulez-vous y créer une nouvelle base de données d&apos;entreprise&#xa0;? Punchwell vous demandera ensuite le nom de votre entreprise.</translation>
    </message>
</context>
<context>
    <name>pw::StatusText</name>
    <message>
        <source>Clocked In</source>
        <translation>Arrivée pointée</translation>
    </message>
    <message>
        <source>Clocked Out</source>
        <translation>Départ pointé</translation>
    </message>
</context>
<context>
    <name>pw::StorageError</name>
    <message>
        <source>The time log of %1 cannot be used</source>
        <translation>Le registre de pointage de %1 est inutilisable</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a wages display&apos;s tool-tip (%1), then why it shows 0 (%2)</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>pw::TaskPrompt</name>
    <message>
        <source>Enter a Task:</source>
        <translation>Saisissez une tâche&#xa0;:</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sorry, Tasks can only be up to 30 characters in length.</source>
        <translation>Désolé, une tâche ne peut pas dépasser 30 caractères.</translation>
    </message>
    <message>
        <source>Clock In Error</source>
        <translation>Erreur de pointage d&apos;arrivée</translation>
    </message>
    <message>
        <source>Clock In has been Canceled.  If you wish to disable the prompt for a project activity, check the box marked disable</source>
        <translation>Le pointage d&apos;arrivée a été annulé. Si vous souhaitez désactiver la demande de tâche, cochez la case «&#xa0;Désactiver la demande de tâche à l&apos;arrivée&#xa0;»</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annulé</translation>
    </message>
</context>
<context>
    <name>pw::TimeFunctionsTab</name>
    <message>
        <source>Clock In Error</source>
        <translation>Erreur de pointage d&apos;arrivée</translation>
    </message>
    <message>
        <source>Clock out Error</source>
        <translation>Erreur de pointage de départ</translation>
    </message>
    <message>
        <source>Estimated wages</source>
        <translation>Salaire estimé</translation>
    </message>
    <message>
        <source>Logged-on employee</source>
        <translation>Employé connecté</translation>
    </message>
    <message>
        <source>This displays the current users name</source>
        <translation>Affiche le nom de l&apos;utilisateur connecté</translation>
    </message>
    <message>
        <source>click here to</source>
        <translation>cliquez ici pour</translation>
    </message>
    <message>
        <source>Click here to update the total hours</source>
        <translation>Cliquez ici pour actualiser le total des heures</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>ACTUALISER</translation>
    </message>
    <message>
        <source>Update the total hours</source>
        <translation>Actualiser le total des heures</translation>
    </message>
    <message>
        <source>Punchwell Data:</source>
        <translation>Données Punchwell&#xa0;:</translation>
    </message>
    <message>
        <source>Date and time of the entry</source>
        <translation>Date et heure du pointage</translation>
    </message>
    <message>
        <source>Current records time and data</source>
        <translation>Date et heure de l&apos;enregistrement courant</translation>
    </message>
    <message>
        <source>LastLogon</source>
        <translation>Dernière connexion</translation>
    </message>
    <message>
        <source>Status of the entry</source>
        <translation>État du pointage</translation>
    </message>
    <message>
        <source>Status of the current record. </source>
        <translation>État de l&apos;enregistrement courant. </translation>
    </message>
    <message>
        <source>Task of the entry</source>
        <translation>Tâche du pointage</translation>
    </message>
    <message>
        <source> Browser</source>
        <translation> Navigation</translation>
    </message>
    <message>
        <source>Click on there &quot;browser&quot; buttons to move between records.</source>
        <translation>Cliquez sur les boutons de navigation pour passer d&apos;un enregistrement à l&apos;autre.</translation>
    </message>
    <message>
        <source>ClockIn (F1)</source>
        <translation>Pointer l&apos;arrivée (F1)</translation>
    </message>
    <message>
        <source>Click here to Clock In</source>
        <translation>Cliquez ici pour pointer votre arrivée</translation>
    </message>
    <message>
        <source>ClockOut (F2)</source>
        <translation>Pointer le départ (F2)</translation>
    </message>
    <message>
        <source>Click here to Clock Out</source>
        <translation>Cliquez ici pour pointer votre départ</translation>
    </message>
    <message>
        <source>Tot. Hours</source>
        <translation>Total heures</translation>
    </message>
    <message>
        <source>Total hours</source>
        <translation>Total des heures</translation>
    </message>
    <message>
        <source>Total number of hours</source>
        <translation>Nombre total d&apos;heures</translation>
    </message>
    <message>
        <source>Est. Wages</source>
        <translation>Salaire estimé</translation>
    </message>
    <message>
        <source>The time log of %1 cannot be opened</source>
        <translation>Le registre de pointage de %1 ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>You must first Clock Out.</source>
        <translation>Vous devez d&apos;abord pointer votre départ.</translation>
    </message>
    <message>
        <source>The clock-in could not be stored, so nothing was written</source>
        <translation>Le pointage d&apos;arrivée n&apos;a pas pu être enregistré&#xa0;; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source> Please try again.</source>
        <translation> Veuillez réessayer.</translation>
    </message>
    <message>
        <source>You must first Clock in.</source>
        <translation>Vous devez d&apos;abord pointer votre arrivée.</translation>
    </message>
    <message>
        <source>You must first Clock In.</source>
        <translation>Vous devez d&apos;abord pointer votre arrivée.</translation>
    </message>
    <message>
        <source>The clock-out could not be stored, so nothing was written</source>
        <translation>Le pointage de départ n&apos;a pas pu être enregistré&#xa0;; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>The last entry could not be deleted, so the log is unchanged</source>
        <translation>Le dernier pointage n&apos;a pas pu être supprimé&#xa0;; le registre est inchangé</translation>
    </message>
    <message>
        <source>The data is being sent to the default printer</source>
        <translation>Les données sont envoyées à l&apos;imprimante par défaut</translation>
    </message>
    <message>
        <source>This will delete all clock in and clock out values.  It should only be done at the end of a time period.  Are you sure you want to continue ?</source>
        <translation>Cette opération va effacer tous les pointages d&apos;arrivée et de départ. Elle ne doit être effectuée qu&apos;en fin de période. Voulez-vous vraiment continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Punchwell Warning</source>
        <translation>Avertissement Punchwell</translation>
    </message>
    <message>
        <source>Your log could not be cleared, so it is unchanged</source>
        <translation>Votre registre n&apos;a pas pu être effacé&#xa0;; il est inchangé</translation>
    </message>
</context>
<context>
    <name>pw::WhosInWindow</name>
    <message>
        <source>Who&apos;s In</source>
        <translation>Présents</translation>
    </message>
    <message>
        <source>Everyone clocked in now</source>
        <translation>Tous les employés présents en ce moment</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Depuis</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Sorry, who is in could not be read</source>
        <translation>Désolé, la liste des présents n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>Who&apos;s In: nobody</source>
        <translation>Présents&#xa0;: personne</translation>
    </message>
    <message>
        <source>Who&apos;s In: %1</source>
        <translation>Présents&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>pw::Windows</name>
    <message>
        <source>You will be unable to use Management functions until you change your password.</source>
        <translation>Vous ne pourrez pas utiliser les fonctions de gestion tant que vous n&apos;aurez pas changé votre mot de passe.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>pw::artwork</name>
    <message>
        <source>the company time clock</source>
        <translation>la pointeuse de l&apos;entreprise</translation>
    </message>
</context>
<context>
    <name>pw::reportboxes::RunBoxes</name>
    <message>
        <source>Enter an ending date:</source>
        <translation>Saisissez une date de fin&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date.  Please type the ending date as a date and time, such as %2, or as a date alone.  Nothing was done.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date. Veuillez saisir la date de fin sous forme de date et d&apos;heure, par exemple %2, ou de date seule. Rien n&apos;a été fait.</translation>
    </message>
    <message>
        <source>Time card %1.pdf</source>
        <translation>Fiche de pointage %1.pdf</translation>
    </message>
    <message>
        <source>The list of employees cannot be read</source>
        <translation>La liste des employés ne peut pas être lue</translation>
    </message>
    <message>
        <source>Please enter a valid Name or click on the Combo Box.</source>
        <translation>Veuillez saisir un nom valide ou cliquer sur la liste déroulante.</translation>
    </message>
    <message>
        <source>Log In Error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>The log of %1 could not be cleared, so it is unchanged</source>
        <translation>Le registre de %1 n&apos;a pas pu être effacé&#xa0;; il est inchangé</translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: the time log cannot be read</source>
        <translation>La fiche de pointage de %1 n&apos;a pas été imprimée&#xa0;: le registre de pointage ne peut pas être lu</translation>
    </message>
    <message>
        <source>The time card of %1 could not be saved either: %2.</source>
        <translation>La fiche de pointage de %1 n&apos;a pas non plus pu être enregistrée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The time cards could not be saved: %1.</source>
        <translation>Les fiches de pointage n&apos;ont pas pu être enregistrées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: %2.

Would you like to save the time card as a PDF file instead?</source>
        <translation>La fiche de pointage de %1 n&apos;a pas été imprimée&#xa0;: %2.

Voulez-vous plutôt enregistrer la fiche de pointage dans un fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>Save the time card of %1 as a PDF file</source>
        <translation>Enregistrer la fiche de pointage de %1 dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The time card of %1 was not printed: %2.

Would you like to save this time card and the rest of this run&apos;s as one PDF file instead?</source>
        <translation>La fiche de pointage de %1 n&apos;a pas été imprimée&#xa0;: %2.

Voulez-vous plutôt enregistrer cette fiche de pointage et les suivantes de cette série dans un seul fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>Save the time cards as one PDF file</source>
        <translation>Enregistrer les fiches de pointage dans un seul fichier PDF</translation>
    </message>
    <message>
        <source>Time cards up to %1.pdf</source>
        <translation>Fiches de pointage au %1.pdf</translation>
    </message>
</context>
<context>
    <name>pw::timecard</name>
    <message>
        <source>Employee Name:  </source>
        <translation>Nom de l&apos;employé&#xa0;:  </translation>
    </message>
    <message>
        <source>Clock In</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Clock Out</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Sub Total (Hours)</source>
        <translation>Sous-total (heures)</translation>
    </message>
    <message>
        <source> has a total of </source>
        <translation> a un total de </translation>
    </message>
    <message>
        <source> hours </source>
        <translation> heures </translation>
    </message>
    <message>
        <source>Punchwell time card: %1</source>
        <translation>Fiche de pointage Punchwell&#xa0;: %1</translation>
    </message>
    <message>
        <source>Punchwell time cards</source>
        <translation>Fiches de pointage Punchwell</translation>
    </message>
    <message>
        <source>Punchwell Data for:  </source>
        <translation>Données Punchwell pour&#xa0;:  </translation>
    </message>
    <message>
        <source>Punchwell Log for  </source>
        <translation>Registre Punchwell pour  </translation>
    </message>
    <message>
        <source>Punchwell Log for:  </source>
        <translation>Registre Punchwell pour&#xa0;:  </translation>
    </message>
</context>
</TS>
