<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppTexts</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>QDB Files (*.qdb);;All Files (*.*)</source>
        <translation>QDB-Dateien (*.qdb);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>Save &amp;As...	Crtl+A</source>
        <translation>Speichern &amp;unter...	Strg+A</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open &amp;Received...</source>
        <translation>&amp;Empfangene öffnen...</translation>
    </message>
    <message>
        <source>Open an image kept from the receiver as a new document</source>
        <translation>Eine vom Receiver empfangene und aufbewahrte Datenbank als neues Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Die letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Receive from STB</source>
        <translation>Vom Receiver empfangen</translation>
    </message>
    <message>
        <source>Send to STB</source>
        <translation>An Receiver senden</translation>
    </message>
    <message>
        <source>Config Setting</source>
        <translation>Verbindungseinstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Quelmar...</source>
        <translation>&amp;Über Quelmar...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Received image kept as %1</source>
        <translation>Empfangene Datenbank aufbewahrt als %1</translation>
    </message>
    <message>
        <source>Open Received</source>
        <translation>Empfangene öffnen</translation>
    </message>
    <message>
        <source>Images received from the receiver, newest first:</source>
        <translation>Vom Receiver empfangene Datenbanken, neueste zuerst:</translation>
    </message>
    <message>
        <source>No received image has been kept yet.</source>
        <translation>Es wurde noch keine empfangene Datenbank aufbewahrt.</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROLLEN</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Das Programm beenden; fragt, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Symbolleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>About Quelmar</source>
        <translation>Über Quelmar</translation>
    </message>
    <message>
        <source>Quelmar Version 1.2</source>
        <translation>Quelmar Version 1.2</translation>
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
        <source>Usage: quelmar [FILE.qdb]</source>
        <translation>Aufruf: quelmar [DATEI.qdb]</translation>
    </message>
    <message>
        <source>Quelmar was not closed properly. Restore the unsaved changes to %1 (%2)?</source>
        <translation>Quelmar wurde nicht ordnungsgemäß beendet. Die nicht gespeicherten Änderungen an %1 (%2) wiederherstellen?</translation>
    </message>
    <message>
        <source>%1, the last &quot;%2&quot;, %3</source>
        <translation>%1, zuletzt „%2“, %3</translation>
    </message>
    <message>
        <source>no steps, %1</source>
        <translation>keine Schritte, %1</translation>
    </message>
    <message>
        <source>1 step</source>
        <translation>1 Schritt</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>an untitled database</source>
        <translation>eine unbenannte Datenbank</translation>
    </message>
    <message>
        <source>the database received at %1</source>
        <translation>die um %1 empfangene Datenbank</translation>
    </message>
    <message>
        <source>%1 has changed on disk since. The restored changes are opened as an untitled database.</source>
        <translation>%1 wurde seitdem auf dem Datenträger geändert. Die wiederhergestellten Änderungen werden als unbenannte Datenbank geöffnet.</translation>
    </message>
    <message>
        <source>%1 damaged records at the end of the journal could not be restored.</source>
        <translation>%1 beschädigte Einträge am Ende des Journals konnten nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>A recovery journal could not be read and was kept aside: %1</source>
        <translation>Ein Wiederherstellungsjournal konnte nicht gelesen werden und wurde beiseitegelegt: %1</translation>
    </message>
    <message>
        <source>The unsaved changes could not be restored: %1. The journal was kept aside.</source>
        <translation>Die nicht gespeicherten Änderungen konnten nicht wiederhergestellt werden: %1. Das Journal wurde beiseitegelegt.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Choose the language of the window</source>
        <translation>Die Sprache des Fensters wählen</translation>
    </message>
    <message>
        <source>The language changes when Quelmar is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Quelmar.</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Restore Unsaved Changes</source>
        <translation>Nicht gespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>Quelmar was not closed properly %1 times. Restore the unsaved changes of one (newest first); the others are set aside.</source>
        <translation>Quelmar wurde %1-mal nicht ordnungsgemäß beendet. Die nicht gespeicherten Änderungen eines Fensters wiederherstellen (die neuesten zuerst); die übrigen werden beiseitegelegt.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Set Aside</source>
        <translation>Beiseitelegen</translation>
    </message>
    <message>
        <source>%1 recovery journals could not be read and were kept aside; the first: %2</source>
        <translation>%1 Wiederherstellungsjournale konnten nicht gelesen werden und wurden beiseitegelegt; das erste: %2</translation>
    </message>
    <message>
        <source>%1 was not opened, so that the restored changes cannot be saved over it. Open it with File &gt; Open.</source>
        <translation>%1 wurde nicht geöffnet, damit die wiederhergestellten Änderungen nicht darüber gespeichert werden. Öffnen Sie die Datei mit Datei &gt; Öffnen.</translation>
    </message>
    <message>
        <source>%1:
%2
Open it anyway?</source>
        <translation>%1:
%2
Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>The received image was not loaded; it is kept as %1 (File &gt; Open Received).</source>
        <translation>Die empfangene Datenbank wurde nicht geladen; sie ist als %1 aufbewahrt (Datei &gt; Empfangene öffnen).</translation>
    </message>
    <message>
        <source>The port %1 chosen last time is not there now; it stays chosen (Tools &gt; Config Setting).</source>
        <translation>Der zuletzt gewählte Anschluss %1 ist gerade nicht vorhanden; er bleibt gewählt (Extras &gt; Verbindungseinstellungen).</translation>
    </message>
    <message>
        <source>&amp;Receive/Send</source>
        <translation>&amp;Empfangen/Senden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Config Setting [%1]</source>
        <translation>Verbindungseinstellungen [%1]</translation>
    </message>
</context>
<context>
    <name>CInputName</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ChannelColumnTexts</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Frequency/Pol</source>
        <translation>Frequenz/Pol.</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
</context>
<context>
    <name>CheckKinds</name>
    <message>
        <source>the stored checksum of the %1 section is wrong, so the receiver refuses the image</source>
        <translation>die gespeicherte Prüfsumme des Abschnitts %1 ist falsch, daher weist der Receiver die Datenbank ab</translation>
    </message>
    <message>
        <source>the list claims %1 entries but holds at most %2</source>
        <translation>die Liste gibt %1 Einträge an, fasst aber höchstens %2</translation>
    </message>
    <message>
        <source>No. %1 names program slot %2, beyond the %3 program slots</source>
        <translation>Nr. %1 verweist auf Programmplatz %2, jenseits der %3 Programmplätze</translation>
    </message>
    <message>
        <source>No. %1 names program slot %2, which is %3, not a program in use</source>
        <translation>Nr. %1 verweist auf Programmplatz %2, der %3 ist, kein belegtes Programm</translation>
    </message>
    <message>
        <source>No. %1 lists &quot;%2&quot; a second time (first at No. %3)</source>
        <translation>Nr. %1 führt „%2“ ein zweites Mal auf (zuerst bei Nr. %3)</translation>
    </message>
    <message>
        <source>group &quot;%1&quot; claims %2 members but holds at most %3</source>
        <translation>Gruppe „%1“ gibt %2 Mitglieder an, fasst aber höchstens %3</translation>
    </message>
    <message>
        <source>group &quot;%1&quot; member %2 names program slot %3, beyond the %4 program slots</source>
        <translation>Gruppe „%1“, Mitglied %2 verweist auf Programmplatz %3, jenseits der %4 Programmplätze</translation>
    </message>
    <message>
        <source>group &quot;%1&quot; member %2 names program slot %3, which is %4, not a program in use</source>
        <translation>Gruppe „%1“, Mitglied %2 verweist auf Programmplatz %3, der %4 ist, kein belegtes Programm</translation>
    </message>
    <message>
        <source>group &quot;%1&quot; member %2 is %3 a second time (first as member %4)</source>
        <translation>Gruppe „%1“, Mitglied %2 ist ein zweites Mal %3 (zuerst als Mitglied %4)</translation>
    </message>
    <message>
        <source>program &quot;%1&quot; is in neither the TV nor the radio list, so the receiver never shows it</source>
        <translation>Programm „%1“ steht weder in der TV- noch in der Radioliste, daher zeigt der Receiver es nie</translation>
    </message>
    <message>
        <source>%1 points at transponder slot %2, beyond the %3 transponder slots</source>
        <translation>%1 verweist auf Transponderplatz %2, jenseits der %3 Transponderplätze</translation>
    </message>
    <message>
        <source>%1 points at transponder slot %2, which is %3</source>
        <translation>%1 verweist auf Transponderplatz %2, der %3 ist</translation>
    </message>
    <message>
        <source>transponder %1 MHz points at satellite slot %2, beyond the %3 satellite slots</source>
        <translation>Transponder %1 MHz verweist auf Satellitenplatz %2, jenseits der %3 Satellitenplätze</translation>
    </message>
    <message>
        <source>transponder %1 MHz points at satellite slot %2, which is %3</source>
        <translation>Transponder %1 MHz verweist auf Satellitenplatz %2, der %3 ist</translation>
    </message>
    <message>
        <source>%1 has the satellite, frequency, polarization and service ID of %2</source>
        <translation>%1 hat denselben Satelliten, dieselbe Frequenz, Polarisation und Service-ID wie %2</translation>
    </message>
    <message>
        <source>the %1 has an empty name, so its row shows nothing</source>
        <translation>%1 hat einen leeren Namen, daher zeigt seine Zeile nichts</translation>
    </message>
    <message>
        <source>%1 has %2 %3, above 8191, which no transport stream can carry</source>
        <translation>%1 hat %2 %3, über 8191, was kein Transportstrom tragen kann</translation>
    </message>
    <message>
        <source>the slot&apos;s state is 3, none of Empty, Used and Deleted, so nothing reads it</source>
        <translation>der Zustand des Platzes ist 3, weder leer, belegt noch gelöscht, daher liest ihn nichts</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; holds selfIndex %2, not its own slot number</source>
        <translation>Satellit „%1“ hat selfIndex %2, nicht seine eigene Platznummer</translation>
    </message>
    <message>
        <source>%1 has service type 3, none of UNKNOWN, TV and RADIO</source>
        <translation>%1 hat den Diensttyp 3, weder UNKNOWN noch TV noch RADIO</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; has LNB type %2, none of Standard (0) and Universal (1)</source>
        <translation>Satellit „%1“ hat den LNB-Typ %2, weder Standard (0) noch Universal (1)</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; has DiSEqC port 7, none of Off, A, B and Port 1 to 4</source>
        <translation>Satellit „%1“ hat DiSEqC-Port 7, keinen von Aus, A, B und Port 1 bis 4</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; has motor value %2; only 0 (off) and 1 (on) are known</source>
        <translation>Satellit „%1“ hat den Motorwert %2; bekannt sind nur 0 (aus) und 1 (ein)</translation>
    </message>
    <message>
        <source>the header&apos;s magic is %1, not %2, so the editor and the receiver refuse the file</source>
        <translation>die Dateikennung im Kopf ist %1, nicht %2, daher weisen Editor und Receiver die Datei ab</translation>
    </message>
    <message>
        <source>the header&apos;s validFlag is %1, not 1, so the file is marked as holding no database and the editor refuses it</source>
        <translation>validFlag im Kopf ist %1, nicht 1, daher gilt die Datei als ohne Datenbank und der Editor weist sie ab</translation>
    </message>
    <message>
        <source>the header&apos;s dataLength is %1, not %2 as every %3 database has, so the editor refuses the file</source>
        <translation>dataLength im Kopf ist %1, nicht %2 wie bei jeder %3-Datenbank, daher weist der Editor die Datei ab</translation>
    </message>
    <message>
        <source>the header&apos;s imageTypeWord is %1, not %2 as a %3 database has</source>
        <translation>imageTypeWord im Kopf ist %1, nicht %2 wie bei einer %3-Datenbank</translation>
    </message>
    <message>
        <source>the header&apos;s headerSum is %1 but its first 60 bytes add up to %2, so a transfer of it fails</source>
        <translation>headerSum im Kopf ist %1, aber seine ersten 60 Bytes ergeben %2, daher schlägt eine Übertragung fehl</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>in state 3</source>
        <translation>im Zustand 3</translation>
    </message>
    <message>
        <source>program &quot;%1&quot;</source>
        <translation>Programm „%1“</translation>
    </message>
    <message>
        <source>TV No. %1 &quot;%2&quot;</source>
        <translation>TV Nr. %1 „%2“</translation>
    </message>
    <message>
        <source>Radio No. %1 &quot;%2&quot;</source>
        <translation>Radio Nr. %1 „%2“</translation>
    </message>
    <message>
        <source>program in use</source>
        <translation>das belegte Programm</translation>
    </message>
    <message>
        <source>program at TV No. %1</source>
        <translation>das Programm bei TV Nr. %1</translation>
    </message>
    <message>
        <source>program at Radio No. %1</source>
        <translation>das Programm bei Radio Nr. %1</translation>
    </message>
    <message>
        <source>satellite in use</source>
        <translation>der belegte Satellit</translation>
    </message>
    <message>
        <source>group in use</source>
        <translation>die belegte Gruppe</translation>
    </message>
    <message>
        <source>the file holds %1 bytes, %2 more than a database image; the editor reads none of them and a save drops them</source>
        <translation>die Datei enthält %1 Bytes, %2 mehr als eine Datenbank; der Editor liest sie nicht, und beim Speichern gehen sie verloren</translation>
    </message>
</context>
<context>
    <name>DatabaseDiffTexts</name>
    <message>
        <source>%1: added</source>
        <translation>%1: hinzugefügt</translation>
    </message>
    <message>
        <source>%1: removed</source>
        <translation>%1: entfernt</translation>
    </message>
    <message>
        <source>%1: %2 %3 -&gt; %4</source>
        <translation>%1: %2 %3 -&gt; %4</translation>
    </message>
    <message>
        <source>%1: program %2 %3 inserted at %4</source>
        <translation>%1: Programm %2 %3 an Position %4 eingefügt</translation>
    </message>
    <message>
        <source>%1: program %2 %3 removed from %4</source>
        <translation>%1: Programm %2 %3 von Position %4 entfernt</translation>
    </message>
    <message>
        <source>%1: program %2 %3 moved from %4 to %5</source>
        <translation>%1: Programm %2 %3 von %4 nach %5 verschoben</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(kein Wert)</translation>
    </message>
    <message>
        <source>header</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <source>system</source>
        <translation>Systemblock</translation>
    </message>
    <message>
        <source>satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>tvList</source>
        <translation>TV-Liste</translation>
    </message>
    <message>
        <source>radioList</source>
        <translation>Radioliste</translation>
    </message>
    <message>
        <source>favoriteGroups</source>
        <translation>Favoritenlisten</translation>
    </message>
    <message>
        <source>trailerWord</source>
        <translation>Schlusswort</translation>
    </message>
    <message>
        <source>extraWord</source>
        <translation>Zusatzwort</translation>
    </message>
    <message>
        <source>image</source>
        <translation>Abbild</translation>
    </message>
</context>
<context>
    <name>DbTexts</name>
    <message>
        <source>Invalid Magic Number</source>
        <translation>Ungültige Dateikennung</translation>
    </message>
    <message>
        <source>The file holds no database (its header is not marked valid).</source>
        <translation>Die Datei enthält keine Datenbank (ihr Kopf ist nicht als gültig markiert).</translation>
    </message>
    <message>
        <source>The file&apos;s header gives an unexpected data length.</source>
        <translation>Der Dateikopf gibt eine unerwartete Datenlänge an.</translation>
    </message>
    <message>
        <source>The file is shorter than a database image.</source>
        <translation>Die Datei ist kürzer als eine Datenbank.</translation>
    </message>
    <message>
        <source>There is no database to save.</source>
        <translation>Es gibt keine Datenbank zum Speichern.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is a symbolic link to %2, which does not exist</source>
        <translation>%1 ist eine symbolische Verknüpfung auf %2, das nicht existiert</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened. Overwrite it?</source>
        <translation>Die Datei wurde auf dem Datenträger geändert, seit sie geöffnet wurde. Überschreiben?</translation>
    </message>
    <message>
        <source>The receiver sent less than a whole database. Nothing was loaded.</source>
        <translation>Der Receiver hat keine vollständige Datenbank gesendet. Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>The receiver&apos;s header does not mark its database valid. Nothing was loaded.</source>
        <translation>Der Kopf des Receivers markiert seine Datenbank nicht als gültig. Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>Saved; no backup was kept: %1</source>
        <translation>Gespeichert; es wurde keine Sicherungskopie angelegt: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot keep a copy of the received image in %1: %2</source>
        <translation>Eine Kopie der empfangenen Datenbank kann nicht in %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>The clock seems to have been set back: %1 kept images named later than %2 arrived before it and were removed.</source>
        <translation>Die Uhr wurde anscheinend zurückgestellt: %1 aufbewahrte Datenbanken mit späterem Namen als %2 kamen vorher an und wurden entfernt.</translation>
    </message>
    <message>
        <source>The clock seems to have been set back: the kept image %1, named later than %2, arrived before it and was removed.</source>
        <translation>Die Uhr wurde anscheinend zurückgestellt: Die aufbewahrte Datenbank %1 mit späterem Namen als %2 kam vorher an und wurde entfernt.</translation>
    </message>
    <message>
        <source>Edit %1 [%2]</source>
        <translation>%1 bearbeiten [%2]</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>TV List</source>
        <translation>TV-Liste</translation>
    </message>
    <message>
        <source>Radio List</source>
        <translation>Radioliste</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
</context>
<context>
    <name>DuplicateTexts</name>
    <message>
        <source>Find Duplicates</source>
        <translation>Duplikate suchen</translation>
    </message>
    <message>
        <source>%1 sets of programs share satellite, frequency, polarization and service ID. Check the one to keep in each set; the other %2 are deleted.</source>
        <translation>%1 Gruppen von Programmen haben denselben Satelliten, dieselbe Frequenz, Polarisation und Service-ID. Markieren Sie in jeder Gruppe das Programm, das bleiben soll; die übrigen %2 werden gelöscht.</translation>
    </message>
    <message>
        <source>No duplicate programs found.</source>
        <translation>Keine doppelten Programme gefunden.</translation>
    </message>
    <message>
        <source>Duplicate programs</source>
        <translation>Doppelte Programme</translation>
    </message>
    <message>
        <source>Set %1: %2 programs</source>
        <translation>Gruppe %1: %2 Programme</translation>
    </message>
    <message>
        <source>Same name on different transponders (for information):</source>
        <translation>Gleicher Name auf verschiedenen Transpondern (zur Information):</translation>
    </message>
    <message>
        <source>%1: %2 programs</source>
        <translation>%1: %2 Programme</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>TV No.</source>
        <translation>TV-Nr.</translation>
    </message>
    <message>
        <source>Radio No.</source>
        <translation>Radio-Nr.</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Delete Others</source>
        <translation>Übrige löschen</translation>
    </message>
</context>
<context>
    <name>ExchangeDialogTexts</name>
    <message>
        <source>Check Database</source>
        <translation>Datenbank prüfen</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>TV %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Radio %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>%1 errors, %2 warnings. Double-click a problem to select its record.</source>
        <translation>%1 Fehler, %2 Warnungen. Doppelklicken Sie auf ein Problem, um seinen Eintrag auszuwählen.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Compare With %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>%1 differences: what changed since %2, grouped by table; a change shows the file&apos;s value, then the document&apos;s.</source>
        <translation>%1 Unterschiede: was sich seit %2 geändert hat, nach Tabelle gruppiert; eine Änderung zeigt erst den Wert der Datei, dann den des Dokuments.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>The file holds the same database.</source>
        <translation>Die Datei enthält dieselbe Datenbank.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>QDB Files (*.qdb);;All Files (*.*)</source>
        <translation>QDB-Dateien (*.qdb);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Check Database…</source>
        <translation>Datenbank prüfen…</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Vergleichen mit…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>The database has %1 errors. Send it anyway?</source>
        <translation>Die Datenbank hat %1 Fehler. Trotzdem senden?</translation>
    </message>
    <message>
        <source>The database&apos;s checksums do not hold under %1, so it shows nonsense there, but they all hold under %2.

Switch &quot;Config Setting&quot; to %2 and open it again?</source>
        <translation>Die Prüfsummen der Datenbank stimmen unter %1 nicht, dort zeigt sie also Unsinn, aber unter %2 stimmen sie alle.

„Verbindungseinstellungen“ auf %2 umstellen und die Datenbank erneut öffnen?</translation>
    </message>
    <message>
        <source>The database&apos;s checksums do not hold under %1, so it may show nonsense, but they all hold under %2.</source>
        <translation>Die Prüfsummen der Datenbank stimmen unter %1 nicht, sie zeigt also womöglich Unsinn, aber unter %2 stimmen sie alle.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>JSON Files (*.json);;CSV Files (*.csv)</source>
        <translation>JSON-Dateien (*.json);;CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>JSON or CSV Files (*.json *.csv);;All Files (*.*)</source>
        <translation>JSON- oder CSV-Dateien (*.json *.csv);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>There is no database to check.</source>
        <translation>Es gibt keine Datenbank zum Prüfen.</translation>
    </message>
    <message>
        <source>There is no database to compare with a file.</source>
        <translation>Es gibt keine Datenbank, die mit einer Datei verglichen werden könnte.</translation>
    </message>
    <message>
        <source>There is no database to export.</source>
        <translation>Es gibt keine Datenbank zum Exportieren.</translation>
    </message>
    <message>
        <source>A channel list applies to a database: open or receive one before importing it.</source>
        <translation>Eine Kanalliste wird auf eine Datenbank angewendet: Öffnen oder empfangen Sie eine, bevor Sie die Liste importieren.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Exported %1 programs to %2</source>
        <translation>%1 Programme nach %2 exportiert</translation>
    </message>
    <message>
        <source>%1 is the database file that is open. Export to another file, so the database is not lost.</source>
        <translation>%1 ist die geöffnete Datenbankdatei. Exportieren Sie in eine andere Datei, damit die Datenbank nicht verloren geht.</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 wurde nicht importiert: %2</translation>
    </message>
    <message>
        <source>%1 holds a %2 database, and &quot;Config Setting&quot; is %3.

Switch &quot;Config Setting&quot; to %2 and import it?</source>
        <translation>%1 enthält eine %2-Datenbank, und „Verbindungseinstellungen“ steht auf %3.

„Verbindungseinstellungen“ auf %2 umstellen und importieren?</translation>
    </message>
    <message>
        <source>… and %1 more lines</source>
        <translation>… und %1 weitere Zeilen</translation>
    </message>
    <message>
        <source>Apply Channel List</source>
        <translation>Kanalliste anwenden</translation>
    </message>
    <message>
        <source>Apply %1 (%2 rows) to the database? The programs it matches take its order, lock flags and groups.</source>
        <translation>%1 (%2 Zeilen) auf die Datenbank anwenden? Die passenden Programme übernehmen ihre Reihenfolge, Sperren und Gruppen.</translation>
    </message>
    <message>
        <source>Also take the names</source>
        <translation>Auch die Namen übernehmen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>The pages show no row for this record.</source>
        <translation>Für diesen Eintrag zeigen die Seiten keine Zeile.</translation>
    </message>
    <message>
        <source>Apply Order From Database…</source>
        <translation>Reihenfolge aus Datenbank übernehmen…</translation>
    </message>
    <message>
        <source>Print Channel List…</source>
        <translation>Senderliste drucken…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Als PDF exportieren…</translation>
    </message>
    <message>
        <source>There is no database to print.</source>
        <translation>Es gibt keine Datenbank zum Drucken.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Exported %1 pages to %2</source>
        <translation>%1 Seiten nach %2 exportiert</translation>
    </message>
    <message>
        <source>Printed %1 pages</source>
        <translation>%1 Seiten gedruckt</translation>
    </message>
    <message>
        <source>The channel lists could not be printed.</source>
        <translation>Die Senderlisten konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Apply Order From Database</source>
        <translation>Reihenfolge aus Datenbank übernehmen</translation>
    </message>
    <message>
        <source>A reference database applies to a database: open or receive one before applying it.</source>
        <translation>Eine Referenzdatenbank wird auf eine Datenbank angewendet: Öffnen oder empfangen Sie zuerst eine.</translation>
    </message>
    <message>
        <source>%1 was not applied: %2</source>
        <translation>%1 wurde nicht angewendet: %2</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Programs by satellite, frequency and service ID</source>
        <translation>Programme nach Satellit, Frequenz und Service-ID</translation>
    </message>
    <message>
        <source>Records by slot</source>
        <translation>Datensätze nach Platz</translation>
    </message>
    <message>
        <source>Apply the order of %1 to the database? The TV and radio lists and the favourite groups take its order; its programs are matched by satellite, frequency, polarization and service ID, else by name.</source>
        <translation>Die Reihenfolge von %1 auf die Datenbank anwenden? Die TV- und Radioliste und die Favoritengruppen übernehmen ihre Reihenfolge; ihre Programme werden nach Satellit, Frequenz, Polarisation und Service-ID zugeordnet, sonst nach Namen.</translation>
    </message>
    <message>
        <source>Take the locks</source>
        <translation>Die Sperren übernehmen</translation>
    </message>
</context>
<context>
    <name>GroupChTexts</name>
    <message>
        <source>Group/Channel</source>
        <translation>Gruppen/Kanäle</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <translation>TV/Radio</translation>
    </message>
    <message>
        <source>Favorite Group</source>
        <translation>Favoritenliste</translation>
    </message>
    <message>
        <source>Info.</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>RADIO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <translation>UNBEKANNT</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>GESPERRT</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>TText PID</source>
        <translation>VText-PID</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <source>Age Limit</source>
        <translation>Altersgrenze</translation>
    </message>
    <message>
        <source>Audio Lang</source>
        <translation>Audiosprache</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Program Info</source>
        <translation>Programminfo</translation>
    </message>
    <message>
        <source>Freq : %1 Mhz, Sym : %2, Polor : %3</source>
        <translation>Freq.: %1 MHz, SR: %2, Pol.: %3</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Hor</source>
        <translation>Hor</translation>
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
        <source>Move To</source>
        <translation>Verschieben nach</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Delete %1 programs?</source>
        <translation>%1 Programme löschen?</translation>
    </message>
    <message>
        <source>%1 of the selected programs were already in the group.</source>
        <translation>%1 der ausgewählten Programme waren schon in der Gruppe.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search TV/Radio List</source>
        <translation>TV-/Radioliste durchsuchen</translation>
    </message>
    <message>
        <source>Search Favorite List</source>
        <translation>Favoritenliste durchsuchen</translation>
    </message>
    <message>
        <source>Select Left</source>
        <translation>Links auswählen</translation>
    </message>
    <message>
        <source>PopMenu</source>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Programm hinzufügen</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Move To…</source>
        <translation>Verschieben nach…</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Ganz nach oben</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Ganz nach unten</translation>
    </message>
    <message>
        <source>Place Next</source>
        <translation>Als Nächstes einreihen</translation>
    </message>
    <message>
        <source>Set Next Place Here</source>
        <translation>Nächsten Platz hierher setzen</translation>
    </message>
    <message>
        <source>Next place: No. %1</source>
        <translation>Nächster Platz: Nr. %1</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Nach Name sortieren</translation>
    </message>
    <message>
        <source>Sort by Satellite and Frequency</source>
        <translation>Nach Satellit und Frequenz sortieren</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Nach Service-ID sortieren</translation>
    </message>
    <message>
        <source>Reverse Order</source>
        <translation>Reihenfolge umkehren</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Satellite Filter</source>
        <translation>Satellitenfilter</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Alle Satelliten</translation>
    </message>
    <message>
        <source>Program Filter</source>
        <translation>Programmfilter</translation>
    </message>
    <message>
        <source>All programs</source>
        <translation>Alle Programme</translation>
    </message>
    <message>
        <source>Locked only</source>
        <translation>Gesperrte</translation>
    </message>
    <message>
        <source>Unlocked only</source>
        <translation>Ungesperrte</translation>
    </message>
    <message>
        <source>New only</source>
        <translation>Nur neue</translation>
    </message>
    <message>
        <source>%1 programs</source>
        <translation>%1 Programme</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear the search and the filters to move rows: the list shows only some of them.</source>
        <translation>Leeren Sie Suche und Filter, um Zeilen zu verschieben: Die Liste zeigt nur einen Teil davon.</translation>
    </message>
    <message>
        <source>%1 (%2 %3, SID %4) placed at No. %5; next place No. %6</source>
        <translation>%1 (%2 %3, SID %4) auf Nr. %5 gesetzt; nächster Platz Nr. %6</translation>
    </message>
    <message>
        <source>%1 (%2 %3, SID %4) placed at No. %5, 1 of %6 named %1; next place No. %7</source>
        <translation>%1 (%2 %3, SID %4) auf Nr. %5 gesetzt, 1 von %6 namens %1; nächster Platz Nr. %7</translation>
    </message>
    <message>
        <source>Select the programs to lock or unlock among the rows shown: Down moves from the search into them.</source>
        <translation>Erst die Programme unter den gezeigten Zeilen wählen, die gesperrt oder entsperrt werden sollen: Pfeil nach unten führt von der Suche zu ihnen.</translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: %2 MiB is larger than any database export or channel list (at most %3 MiB)</source>
        <translation>%1: %2 MiB sind größer als jeder Datenbankexport und jede Senderliste (höchstens %3 MiB)</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>Zeile %1 %2</translation>
    </message>
    <message>
        <source>is not UTF-8 text (perhaps Windows-1252)</source>
        <translation>ist kein UTF-8-Text (vielleicht Windows-1252)</translation>
    </message>
    <message>
        <source>holds a NUL byte, which no text has</source>
        <translation>enthält ein NUL-Byte, das kein Text enthält</translation>
    </message>
    <message>
        <source>not CSV as RFC 4180 defines it: %1</source>
        <translation>kein CSV nach RFC 4180: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a record longer than any channel list has (more than %1 fields or a field of more than %2 bytes)</source>
        <translation>ein Datensatz, länger als jede Senderliste (mehr als %1 Felder oder ein Feld mit mehr als %2 Bytes)</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>die Datei konnte nicht bis zum Ende gelesen werden</translation>
    </message>
    <message>
        <source>no header row; expected the columns %1, ...</source>
        <translation>keine Kopfzeile; erwartet werden die Spalten %1, ...</translation>
    </message>
    <message>
        <source>the file seems to use &apos;;&apos; as separator; export with &apos;,&apos; or choose &apos;,&apos; as the field separator when the spreadsheet saves it</source>
        <translation>die Datei verwendet offenbar &apos;;&apos; als Trennzeichen; exportieren Sie mit &apos;,&apos; oder wählen Sie beim Speichern in der Tabellenkalkulation &apos;,&apos; als Feldtrenner</translation>
    </message>
    <message>
        <source>the header row has no column &quot;%1&quot;</source>
        <translation>die Kopfzeile hat keine Spalte „%1“</translation>
    </message>
    <message>
        <source>more rows than the TV and radio lists can hold (%1)</source>
        <translation>mehr Zeilen, als die TV- und Radioliste fassen (%1)</translation>
    </message>
    <message>
        <source>column %1: expected %2, got &quot;%3&quot;</source>
        <translation>Spalte %1: erwartet: %2, gefunden: „%3“</translation>
    </message>
    <message>
        <source>%1 or %2, or nothing</source>
        <translation>%1 oder %2 oder nichts</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>a name of Windows-1252 characters</source>
        <translation>ein Name aus Windows-1252-Zeichen</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>a frequency in MHz from 0 to 65535, or nothing</source>
        <translation>eine Frequenz in MHz von 0 bis 65535 oder nichts</translation>
    </message>
    <message>
        <source>a service ID from 0 to 65535, or nothing</source>
        <translation>eine Service-ID von 0 bis 65535 oder nichts</translation>
    </message>
    <message>
        <source>positions from 1 to %1 separated by %2, or nothing</source>
        <translation>Positionen von 1 bis %1, getrennt durch %2, oder nichts</translation>
    </message>
    <message>
        <source>%1, got %2</source>
        <translation>%1, gefunden: %2</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>ein Array</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>etwas anderes</translation>
    </message>
    <message>
        <source>a string of %1 bytes</source>
        <translation>eine Zeichenkette aus %1 Bytes</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>erwartet wird ein Objekt</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>erwartet wird ein Array</translation>
    </message>
    <message>
        <source>expected an array of %1 records, one a slot</source>
        <translation>erwartet wird ein Array aus %1 Datensätzen, einer je Platz</translation>
    </message>
    <message>
        <source>expected an array of %1 slot numbers</source>
        <translation>erwartet wird ein Array aus %1 Platznummern</translation>
    </message>
    <message>
        <source>expected an array of at most %1 slot numbers</source>
        <translation>erwartet wird ein Array aus höchstens %1 Platznummern</translation>
    </message>
    <message>
        <source>expected an integer from 0 to %1</source>
        <translation>erwartet wird eine ganze Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>expected text</source>
        <translation>erwartet wird Text</translation>
    </message>
    <message>
        <source>expected at most %1 characters</source>
        <translation>erwartet werden höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>expected %1 bytes as %2 hex digits</source>
        <translation>erwartet werden %1 Bytes als %2 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>expected %1 bytes as %2 hex digits (what follows the name and its NUL; leave the field out for zeros)</source>
        <translation>erwartet werden %1 Bytes als %2 Hexadezimalziffern (was auf den Namen und sein NUL folgt; für Nullen das Feld weglassen)</translation>
    </message>
    <message>
        <source>expected hex digits, two a byte</source>
        <translation>erwartet werden Hexadezimalziffern, zwei je Byte</translation>
    </message>
    <message>
        <source>expected one of %1 for this dbType, each once</source>
        <translation>erwartet wird einer von %1 für diesen dbType, jeder einmal</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>erwartet wird %1</translation>
    </message>
    <message>
        <source>%1 (as many as %2 says)</source>
        <translation>%1 (so viele, wie %2 angibt)</translation>
    </message>
    <message>
        <source>expected text of Windows-1252 characters; %1 is not one</source>
        <translation>erwartet wird Text aus Windows-1252-Zeichen; %1 gehört nicht dazu</translation>
    </message>
    <message>
        <source>expected text without NUL characters</source>
        <translation>erwartet wird Text ohne NUL-Zeichen</translation>
    </message>
    <message>
        <source>expected text without control characters (such as ESC, BEL or a line break); a name holding such bytes is given whole as hex in the field of the same name ending in %1</source>
        <translation>erwartet wird Text ohne Steuerzeichen (wie ESC, BEL oder Zeilenumbruch); ein Name mit solchen Bytes steht ganz als Hexadezimalwert im gleichnamigen Feld mit der Endung %1</translation>
    </message>
    <message>
        <source>unknown field; expected only %1</source>
        <translation>unbekanntes Feld; erwartet werden nur %1</translation>
    </message>
    <message>
        <source>missing; it is needed</source>
        <translation>fehlt; es wird benötigt</translation>
    </message>
    <message>
        <source>missing; every field of the record is needed</source>
        <translation>fehlt; jedes Feld des Datensatzes wird benötigt</translation>
    </message>
    <message>
        <source>expected either the name&apos;s text (with its tail) or its bytes, not both</source>
        <translation>erwartet wird entweder der Text des Namens (mit seinem Rest) oder seine Bytes, nicht beides</translation>
    </message>
    <message>
        <source>a record with fewer fields</source>
        <translation>ein Datensatz mit weniger Feldern</translation>
    </message>
    <message>
        <source>expected bytes that no section, checksum word or the header covers, after those of the run before</source>
        <translation>erwartet werden Bytes, die kein Abschnitt, kein Prüfsummenwort und nicht der Kopf abdeckt, nach denen des vorigen Abschnitts</translation>
    </message>
    <message>
        <source>expected %1, the word the image&apos;s other bytes (%2) leave where the receiver looks for it; change both or neither</source>
        <translation>erwartet wird %1, das Wort, das die übrigen Bytes der Datenbank (%2) dort lassen, wo der Receiver es sucht; ändern Sie beides oder keins</translation>
    </message>
    <message>
        <source>expected JSON text</source>
        <translation>erwartet wird JSON-Text</translation>
    </message>
    <message>
        <source>expected JSON text; %1</source>
        <translation>erwartet wird JSON-Text; %1</translation>
    </message>
    <message>
        <source>too large to read: out of memory</source>
        <translation>zu groß zum Lesen: nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>a string of %1 bytes; no text of a database is longer than %2</source>
        <translation>eine Zeichenkette aus %1 Bytes; kein Text einer Datenbank ist länger als %2</translation>
    </message>
    <message>
        <source>a string or number longer than %1 bytes; no text of a database is that long</source>
        <translation>eine Zeichenkette oder Zahl, länger als %1 Bytes; kein Text einer Datenbank ist so lang</translation>
    </message>
    <message>
        <source>binary data, which JSON text cannot hold</source>
        <translation>Binärdaten, die JSON-Text nicht enthalten kann</translation>
    </message>
    <message>
        <source>a field name of %1 bytes; no field of a database has a name that long</source>
        <translation>ein Feldname aus %1 Bytes; kein Feld einer Datenbank hat einen so langen Namen</translation>
    </message>
    <message>
        <source>an object of more than %1 fields; no record has that many</source>
        <translation>ein Objekt mit mehr als %1 Feldern; kein Datensatz hat so viele</translation>
    </message>
    <message>
        <source>given twice in one object</source>
        <translation>zweimal in einem Objekt angegeben</translation>
    </message>
    <message>
        <source>more text than any database holds (over %1 MiB of names and strings)</source>
        <translation>mehr Text, als eine Datenbank enthält (über %1 MiB an Namen und Zeichenketten)</translation>
    </message>
    <message>
        <source>more than %1 values; no database has that many</source>
        <translation>mehr als %1 Werte; keine Datenbank hat so viele</translation>
    </message>
    <message>
        <source>an array of more than %1 items; no table of a database is that long</source>
        <translation>ein Array mit mehr als %1 Einträgen; keine Tabelle einer Datenbank ist so lang</translation>
    </message>
    <message>
        <source>nested more than %1 levels deep; a database needs no more than four</source>
        <translation>mehr als %1 Ebenen tief verschachtelt; eine Datenbank braucht höchstens vier</translation>
    </message>
</context>
<context>
    <name>JournalTexts</name>
    <message>
        <source>The file is not a Quelmar recovery journal.</source>
        <translation>Die Datei ist kein Wiederherstellungsjournal von Quelmar.</translation>
    </message>
    <message>
        <source>The recovery journal is damaged at its start; nothing can be restored from it.</source>
        <translation>Das Wiederherstellungsjournal ist am Anfang beschädigt; daraus lässt sich nichts wiederherstellen.</translation>
    </message>
    <message>
        <source>Recovery of unsaved changes is off: %1</source>
        <translation>Die Wiederherstellung nicht gespeicherter Änderungen ist ausgeschaltet: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>step %1 does not fit the database before it</source>
        <translation>Schritt %1 passt nicht zur Datenbank davor</translation>
    </message>
    <message>
        <source>the journal&apos;s database cannot be read: %1</source>
        <translation>die Datenbank des Journals kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Recovery of unsaved changes is on again.</source>
        <translation>Die Wiederherstellung nicht gespeicherter Änderungen ist wieder eingeschaltet.</translation>
    </message>
</context>
<context>
    <name>LinkDialogTexts</name>
    <message>
        <source>Config Setting</source>
        <translation>Verbindungseinstellungen</translation>
    </message>
    <message>
        <source>DB Type</source>
        <translation>DB-Typ</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Receive from STB</source>
        <translation>Vom Receiver empfangen</translation>
    </message>
    <message>
        <source>Send to STB</source>
        <translation>An Receiver senden</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wdh.</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Excepted</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Ack</source>
        <translation>ACK</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Packets</source>
        <translation>Pakete</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>LinkTexts</name>
    <message>
        <source>Download end successfully.</source>
        <translation>Übertragung erfolgreich beendet.</translation>
    </message>
    <message>
        <source>Download Fail.</source>
        <translation>Übertragung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>IRD No response: Retry download.</source>
        <translation>Keine Antwort vom Receiver: Übertragung wiederholen.</translation>
    </message>
    <message>
        <source>Check that the cable to the receiver is plugged in at both ends, that the port chosen is the one the cable is on, and that the receiver waits in its download mode.</source>
        <translation>Prüfen Sie, ob das Kabel zum Receiver an beiden Enden eingesteckt ist, ob der gewählte Anschluss der ist, an dem das Kabel steckt, und ob der Receiver im Download-Modus wartet.</translation>
    </message>
    <message>
        <source>JRxThread Create Fail</source>
        <translation>Empfangs-Thread konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>JTxThread Create Fail</source>
        <translation>Sende-Thread konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Now Transfering.</source>
        <translation>Übertragung läuft.</translation>
    </message>
    <message>
        <source>Malloc Error!</source>
        <translation>Speicherfehler!</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source> Open Error!</source>
        <translation>: Fehler beim Öffnen!</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 ist keine serielle Schnittstelle.</translation>
    </message>
    <message>
        <source>%1 is the terminal this program runs in, not the line to the receiver.</source>
        <translation>%1 ist das Terminal, in dem dieses Programm läuft, nicht die Leitung zum Receiver.</translation>
    </message>
    <message>
        <source>Permission denied: %1 belongs to the group %2, and your account is not a member.
Add it with
    sudo usermod -aG %2 $USER
then log out and log in again.</source>
        <translation>Zugriff verweigert: %1 gehört der Gruppe %2, und Ihr Konto ist kein Mitglied.
Fügen Sie es hinzu mit
    sudo usermod -aG %2 $USER
und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Permission denied: only root may use %1; the administrator can give it to the group %2.</source>
        <translation>Zugriff verweigert: Nur root darf %1 benutzen; der Administrator kann es der Gruppe %2 geben.</translation>
    </message>
    <message>
        <source>No such device: %1 is not there. If it is a USB adapter, it may have been unplugged.</source>
        <translation>Gerät nicht vorhanden: %1 gibt es nicht. Falls es ein USB-Adapter ist, wurde er vielleicht abgezogen.</translation>
    </message>
    <message>
        <source>Device busy: another program is using %1.</source>
        <translation>Gerät belegt: Ein anderes Programm benutzt %1.</translation>
    </message>
    <message>
        <source>Device busy: %1 is in use by %2.</source>
        <translation>Gerät belegt: %1 wird von %2 benutzt.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Line lost: </source>
        <translation>Verbindung verloren: </translation>
    </message>
    <message>
        <source>the other end hung up</source>
        <translation>die Gegenseite hat aufgelegt</translation>
    </message>
    <message>
        <source>the device was removed</source>
        <translation>das Gerät wurde entfernt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>STATUS_WAIT_CONNECT_REQ</source>
        <translation>Warte auf Verbindungsanfrage</translation>
    </message>
    <message>
        <source>STATUS_SEND_CONNECT_ACK</source>
        <translation>Sende Verbindungsbestätigung</translation>
    </message>
    <message>
        <source>STATUS_WAIT_CONNECT_RE_ACK</source>
        <translation>Warte auf Gegenbestätigung</translation>
    </message>
    <message>
        <source>STATUS_SEND_HEADER_REQ</source>
        <translation>Fordere Kopfdaten an</translation>
    </message>
    <message>
        <source>STATUS_WAIT_HEADER</source>
        <translation>Warte auf Kopfdaten</translation>
    </message>
    <message>
        <source>STATUS_SEND_HEADER_ACK</source>
        <translation>Bestätige Kopfdaten</translation>
    </message>
    <message>
        <source>STATUS_SEND_HEADER_NACK</source>
        <translation>Weise Kopfdaten ab</translation>
    </message>
    <message>
        <source>STATUS_WAIT_HEADER_RCV_ACK</source>
        <translation>Warte auf Kopfbestätigung</translation>
    </message>
    <message>
        <source>STATUS_WAIT_HEADER_RCV_NACK</source>
        <translation>Warte auf Kopfabweisung</translation>
    </message>
    <message>
        <source>STATUS_SEND_DATA_REQ</source>
        <translation>Fordere Daten an</translation>
    </message>
    <message>
        <source>STATUS_WAIT_DATA</source>
        <translation>Warte auf Daten</translation>
    </message>
    <message>
        <source>STATUS_SEND_DATA_ACK</source>
        <translation>Bestätige Daten</translation>
    </message>
    <message>
        <source>STATUS_SEND_DATA_NACK</source>
        <translation>Weise Daten ab</translation>
    </message>
    <message>
        <source>STATUS_WAIT_DATA_RCV_ACK</source>
        <translation>Warte auf Datenbestätigung</translation>
    </message>
    <message>
        <source>STATUS_WAIT_DATA_RCV_NACK</source>
        <translation>Warte auf Datenabweisung</translation>
    </message>
    <message>
        <source>STATUS_RCV_END</source>
        <translation>Empfang beendet</translation>
    </message>
    <message>
        <source>STATUS_RCV_NULL</source>
        <translation>Nichts empfangen</translation>
    </message>
    <message>
        <source>Sending connect request</source>
        <translation>Sende Verbindungsanfrage</translation>
    </message>
    <message>
        <source>Waiting connect request ack</source>
        <translation>Warte auf Verbindungsantwort</translation>
    </message>
    <message>
        <source>Sending connect request re ack</source>
        <translation>Sende Gegenbestätigung</translation>
    </message>
    <message>
        <source>Waiting header request</source>
        <translation>Warte auf Kopfanforderung</translation>
    </message>
    <message>
        <source>Sending header request</source>
        <translation>Sende Kopfdaten</translation>
    </message>
    <message>
        <source>Waiting header ACK</source>
        <translation>Warte auf Kopfbestätigung</translation>
    </message>
    <message>
        <source>Sending header transfer ACK</source>
        <translation>Sende Kopfbestätigung</translation>
    </message>
    <message>
        <source>Sending header transfer NACK</source>
        <translation>Sende Kopfabweisung</translation>
    </message>
    <message>
        <source>Waiting data request</source>
        <translation>Warte auf Datenanforderung</translation>
    </message>
    <message>
        <source>Sendig data packet</source>
        <translation>Sende Datenpaket</translation>
    </message>
    <message>
        <source>Waiting data ACK</source>
        <translation>Warte auf Datenbestätigung</translation>
    </message>
    <message>
        <source>Sending data transfer ACK</source>
        <translation>Sende Datenbestätigung</translation>
    </message>
    <message>
        <source>Sending data transfer NACK</source>
        <translation>Sende Datenabweisung</translation>
    </message>
    <message>
        <source>Waiting terminate request</source>
        <translation>Warte auf Abschluss</translation>
    </message>
    <message>
        <source>Sending success terminate ACK</source>
        <translation>Bestätige Abschluss</translation>
    </message>
    <message>
        <source>Sending fail terminate ACK</source>
        <translation>Bestätige Abbruch</translation>
    </message>
    <message>
        <source>Please wait for saving</source>
        <translation>Bitte warten, wird gespeichert</translation>
    </message>
    <message>
        <source>The receiver ended the transfer before the whole database had arrived.</source>
        <translation>Der Receiver hat die Übertragung beendet, bevor die ganze Datenbank angekommen war.</translation>
    </message>
    <message>
        <source>The receiver reported that it could not store the database.</source>
        <translation>Der Receiver meldet, dass er die Datenbank nicht speichern konnte.</translation>
    </message>
    <message>
        <source>The receiver&apos;s headers do not begin with the magic number 0x04212510: it may be no receiver of this kind, or the line speed may be wrong.</source>
        <translation>Die Köpfe des Receivers beginnen nicht mit der Kennzahl 0x04212510: Vielleicht ist es kein Receiver dieser Art, oder die Geschwindigkeit der Leitung stimmt nicht.</translation>
    </message>
    <message>
        <source>The receiver&apos;s header does not add up to its header sum: it was damaged on the line.</source>
        <translation>Der Kopf des Receivers ergibt nicht seine Kopfsumme: Er wurde auf der Leitung beschädigt.</translation>
    </message>
    <message>
        <source>The receiver&apos;s header gives a data length of %1 bytes, more than a whole database (%2).</source>
        <translation>Der Kopf des Receivers nennt eine Datenlänge von %1 Bytes, mehr als eine ganze Datenbank (%2).</translation>
    </message>
    <message>
        <source>There is not enough memory for the receiver&apos;s database.</source>
        <translation>Für die Datenbank des Receivers ist nicht genug Speicher frei.</translation>
    </message>
</context>
<context>
    <name>OperationTexts</name>
    <message>
        <source>Name exists</source>
        <translation>Name existiert bereits</translation>
    </message>
    <message>
        <source>No free program slot: all 4000 programs are in use.</source>
        <translation>Kein freier Programmplatz: Alle 4000 Programme sind belegt.</translation>
    </message>
    <message>
        <source>The TV or radio list is full: it holds 4000 programs.</source>
        <translation>Die TV- oder Radioliste ist voll: Sie enthält 4000 Programme.</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>No programs</source>
        <translation>Keine Programme</translation>
    </message>
</context>
<context>
    <name>ProgramDiffTexts</name>
    <message>
        <source>&quot;%1&quot; (%2 %3, SID %4)</source>
        <translation>„%1“ (%2 %3, SID %4)</translation>
    </message>
    <message>
        <source>%1: renamed from &quot;%2&quot;</source>
        <translation>%1: umbenannt von „%2“</translation>
    </message>
    <message>
        <source>%1: locked</source>
        <translation>%1: gesperrt</translation>
    </message>
    <message>
        <source>%1: unlocked</source>
        <translation>%1: entsperrt</translation>
    </message>
    <message>
        <source>%1: %2 changed from %3 to %4</source>
        <translation>%1: %2 von %3 auf %4 geändert</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>TText PID</source>
        <translation>VText-PID</translation>
    </message>
    <message>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <source>%1: %2 entered at No. %3</source>
        <translation>%1: %2 neu auf Nr. %3</translation>
    </message>
    <message>
        <source>%1: %2 left from No. %3</source>
        <translation>%1: %2 nicht mehr auf Nr. %3</translation>
    </message>
    <message>
        <source>%1: %2 moved from No. %3 to No. %4</source>
        <translation>%1: %2 von Nr. %3 auf Nr. %4 verschoben</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>%1 renamed from [%2]</source>
        <translation>%1 umbenannt von [%2]</translation>
    </message>
</context>
<context>
    <name>ReferenceListTexts</name>
    <message>
        <source>%1 of %2 rows matched</source>
        <translation>%1 von %2 Zeilen zugeordnet</translation>
    </message>
    <message>
        <source>line %1: no program matches &quot;%2&quot;</source>
        <translation>Zeile %1: kein Programm passt zu „%2“</translation>
    </message>
    <message>
        <source>program %1 renamed: &quot;%2&quot; → &quot;%3&quot;</source>
        <translation>Programm %1 umbenannt: „%2“ → „%3“</translation>
    </message>
    <message>
        <source>%1: program %2 &quot;%3&quot; left in place, now at %4</source>
        <translation>%1: Programm %2 „%3“ an seinem Platz gelassen, jetzt an %4</translation>
    </message>
    <message>
        <source>created group &quot;%1&quot;</source>
        <translation>Gruppe „%1“ angelegt</translation>
    </message>
    <message>
        <source>line %1: no group &quot;%2&quot; and none can be created; membership not taken</source>
        <translation>Zeile %1: keine Gruppe „%2“, und es kann keine angelegt werden; Mitgliedschaft nicht übernommen</translation>
    </message>
    <message>
        <source>line %1: %2 group positions for %3 groups; the positions were not taken</source>
        <translation>Zeile %1: %2 Gruppenpositionen für %3 Gruppen; die Positionen wurden nicht übernommen</translation>
    </message>
    <message>
        <source>group &quot;%1&quot; is full; program %2 &quot;%3&quot; not added</source>
        <translation>Gruppe „%1“ ist voll; Programm %2 „%3“ nicht hinzugefügt</translation>
    </message>
    <message>
        <source>line %1: the name &quot;%2&quot; holds control characters and was not taken</source>
        <translation>Zeile %1: der Name „%2“ enthält Steuerzeichen und wurde nicht übernommen</translation>
    </message>
</context>
<context>
    <name>ReferenceOrderTexts</name>
    <message>
        <source>%1: %2 of %3 reference programs matched</source>
        <translation>%1: %2 von %3 Referenzprogrammen zugeordnet</translation>
    </message>
    <message>
        <source>%1: reference program &quot;%2&quot; (No. %3) matches no program</source>
        <translation>%1: Referenzprogramm „%2“ (Nr. %3) passt zu keinem Programm</translation>
    </message>
    <message>
        <source>%1: program %2 &quot;%3&quot; is not in the reference, now No. %4</source>
        <translation>%1: Programm %2 „%3“ ist nicht in der Referenz, jetzt Nr. %4</translation>
    </message>
    <message>
        <source>TV list</source>
        <translation>TV-Liste</translation>
    </message>
    <message>
        <source>radio list</source>
        <translation>Radioliste</translation>
    </message>
    <message>
        <source>favourite group %1 [%2]</source>
        <translation>Favoritengruppe %1 [%2]</translation>
    </message>
    <message>
        <source>taken from the reference: %1 locks, %2 names</source>
        <translation>aus der Referenz übernommen: %1 Sperren, %2 Namen</translation>
    </message>
    <message>
        <source>taken from the reference: %1 locks; the names kept</source>
        <translation>aus der Referenz übernommen: %1 Sperren; die Namen behalten</translation>
    </message>
    <message>
        <source>taken from the reference: %1 names; the locks kept</source>
        <translation>aus der Referenz übernommen: %1 Namen; die Sperren behalten</translation>
    </message>
    <message>
        <source>the locks and the names kept</source>
        <translation>die Sperren und die Namen behalten</translation>
    </message>
    <message>
        <source>%1 No. %2: &quot;%3&quot; renamed &quot;%4&quot;</source>
        <translation>%1 Nr. %2: „%3“ umbenannt in „%4“</translation>
    </message>
    <message>
        <source>%1: %2 of %3 members matched</source>
        <translation>%1: %2 von %3 Mitgliedern zugeordnet</translation>
    </message>
    <message>
        <source>%1: %2 members not in the reference kept after them</source>
        <translation>%1: %2 Mitglieder, die nicht in der Referenz sind, dahinter behalten</translation>
    </message>
    <message>
        <source>%1: %2 members did not fit and were left out</source>
        <translation>%1: %2 Mitglieder passten nicht mehr hinein und wurden ausgelassen</translation>
    </message>
    <message>
        <source>%1 removed: the reference has no group there</source>
        <translation>%1 entfernt: Die Referenz hat dort keine Gruppe</translation>
    </message>
    <message>
        <source>%1 kept: the reference has no group there, but %2 of its members are not in the reference</source>
        <translation>%1 behalten: Die Referenz hat dort keine Gruppe, aber %2 ihrer Mitglieder sind nicht in der Referenz</translation>
    </message>
</context>
<context>
    <name>SatTPTexts</name>
    <message>
        <source>Satellite/Transponder</source>
        <translation>Satelliten/Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Sat. Info</source>
        <translation>Satelliteninfo</translation>
    </message>
    <message>
        <source>Ant Name</source>
        <translation>Antennenname</translation>
    </message>
    <message>
        <source>Freq </source>
        <translation>Freq. </translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Hor</source>
        <translation>Hor</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>LNB Freq. High</source>
        <translation>LNB-Freq. High</translation>
    </message>
    <message>
        <source>LNB Freq. Low</source>
        <translation>LNB-Freq. Low</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Ausgewählt</translation>
    </message>
    <message>
        <source>Diseqc Port</source>
        <translation>DiSEqC-Port</translation>
    </message>
    <message>
        <source>22 kHz</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>0/12 V</source>
        <translation>0/12 V</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Port 1</source>
        <translation>Port 1</translation>
    </message>
    <message>
        <source>Port 2</source>
        <translation>Port 2</translation>
    </message>
    <message>
        <source>Port 3</source>
        <translation>Port 3</translation>
    </message>
    <message>
        <source>Port 4</source>
        <translation>Port 4</translation>
    </message>
    <message>
        <source>0 V</source>
        <translation>0 V</translation>
    </message>
    <message>
        <source>12 V</source>
        <translation>12 V</translation>
    </message>
    <message>
        <source>Transponder Info.</source>
        <translation>Transponderinfo</translation>
    </message>
    <message>
        <source>Frequency(Mhz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
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
        <source>SatMenu</source>
        <translation>Satellitenmenü</translation>
    </message>
    <message>
        <source>TpMenu</source>
        <translation>Transpondermenü</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Satellit hinzufügen</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Satellit löschen</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
</context>
<context>
    <name>StepTexts</name>
    <message>
        <source>Add Satellite [%1]</source>
        <translation>Satellit hinzufügen [%1]</translation>
    </message>
    <message>
        <source>Delete Satellite [%1]</source>
        <translation>Satellit löschen [%1]</translation>
    </message>
    <message>
        <source>Update Sat. Info [%1]</source>
        <translation>Satelliteninfo übernehmen [%1]</translation>
    </message>
    <message>
        <source>Add Transponder [%1]</source>
        <translation>Transponder hinzufügen [%1]</translation>
    </message>
    <message>
        <source>Edit Transponder [%1]</source>
        <translation>Transponder bearbeiten [%1]</translation>
    </message>
    <message>
        <source>Delete Transponder [%1]</source>
        <translation>Transponder löschen [%1]</translation>
    </message>
    <message>
        <source>Add Program [%1]</source>
        <translation>Programm hinzufügen [%1]</translation>
    </message>
    <message>
        <source>Delete Program [%1]</source>
        <translation>Programm löschen [%1]</translation>
    </message>
    <message>
        <source>Update Program Info [%1]</source>
        <translation>Programminfo übernehmen [%1]</translation>
    </message>
    <message>
        <source>Add Group [%1]</source>
        <translation>Gruppe hinzufügen [%1]</translation>
    </message>
    <message>
        <source>Rename Group [%1] to [%2]</source>
        <translation>Gruppe [%1] in [%2] umbenennen</translation>
    </message>
    <message>
        <source>Delete Group [%1]</source>
        <translation>Gruppe löschen [%1]</translation>
    </message>
    <message>
        <source>Add [%1] to %2</source>
        <translation>[%1] zu %2 hinzufügen</translation>
    </message>
    <message>
        <source>Remove [%1] from %2</source>
        <translation>[%1] aus %2 entfernen</translation>
    </message>
    <message>
        <source>Move [%1] in %2</source>
        <translation>[%1] in %2 verschieben</translation>
    </message>
    <message>
        <source>Group [%1]</source>
        <translation>Gruppe [%1]</translation>
    </message>
    <message>
        <source>Move %1 Programs in %2</source>
        <translation>%1 Programme in %2 verschieben</translation>
    </message>
    <message>
        <source>Sort %1 by Name</source>
        <translation>%1 nach Name sortieren</translation>
    </message>
    <message>
        <source>Sort %1 by Satellite and Frequency</source>
        <translation>%1 nach Satellit und Frequenz sortieren</translation>
    </message>
    <message>
        <source>Sort %1 by Service ID</source>
        <translation>%1 nach Service-ID sortieren</translation>
    </message>
    <message>
        <source>Reverse Order of %1</source>
        <translation>Reihenfolge von %1 umkehren</translation>
    </message>
    <message>
        <source>Sort %1 Programs by Name</source>
        <translation>%1 Programme nach Name sortieren</translation>
    </message>
    <message>
        <source>Sort %1 Programs by Satellite and Frequency</source>
        <translation>%1 Programme nach Satellit und Frequenz sortieren</translation>
    </message>
    <message>
        <source>Sort %1 Programs by Service ID</source>
        <translation>%1 Programme nach Service-ID sortieren</translation>
    </message>
    <message>
        <source>Reverse Order of %1 Programs</source>
        <translation>Reihenfolge von %1 Programmen umkehren</translation>
    </message>
    <message>
        <source>Lock [%1]</source>
        <translation>Sperren [%1]</translation>
    </message>
    <message>
        <source>Unlock [%1]</source>
        <translation>Entsperren [%1]</translation>
    </message>
    <message>
        <source>Lock %1 Programs</source>
        <translation>%1 Programme sperren</translation>
    </message>
    <message>
        <source>Unlock %1 Programs</source>
        <translation>%1 Programme entsperren</translation>
    </message>
    <message>
        <source>Delete %1 Programs</source>
        <translation>%1 Programme löschen</translation>
    </message>
    <message>
        <source>Add %1 Programs to %2</source>
        <translation>%1 Programme zu %2 hinzufügen</translation>
    </message>
    <message>
        <source>Remove %1 Programs from %2</source>
        <translation>%1 Programme aus %2 entfernen</translation>
    </message>
    <message>
        <source>Import [%1]</source>
        <translation>Importieren [%1]</translation>
    </message>
    <message>
        <source>Delete %1 Duplicate Programs</source>
        <translation>%1 doppelte Programme löschen</translation>
    </message>
    <message>
        <source>Apply Order From [%1]</source>
        <translation>Reihenfolge aus [%1] übernehmen</translation>
    </message>
    <message>
        <source>Rename Program [%1] to [%2]</source>
        <translation>Programm [%1] in [%2] umbenennen</translation>
    </message>
    <message>
        <source>Update Transponders [%1]</source>
        <translation>Transponder aktualisieren [%1]</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie nicht mehr als %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>The name contains characters the receiver cannot store.</source>
        <translation>Der Name enthält Zeichen, die der Receiver nicht speichern kann.</translation>
    </message>
    <message>
        <source>The name was cut to %1 characters, as many as the receiver stores.</source>
        <translation>Der Name wurde auf %1 Zeichen gekürzt, so viele, wie der Receiver speichert.</translation>
    </message>
    <message>
        <source>Apply the changes to [%1]?</source>
        <translation>Die Änderungen an [%1] übernehmen?</translation>
    </message>
</context>
<context>
    <name>TransponderListDialogTexts</name>
    <message>
        <source>Update Transponders From List…</source>
        <translation>Transponder aus Liste aktualisieren…</translation>
    </message>
    <message>
        <source>Update Transponders From List</source>
        <translation>Transponder aus Liste aktualisieren</translation>
    </message>
    <message>
        <source>Transponder Lists (*.xml);;All Files (*.*)</source>
        <translation>Transponderlisten (*.xml);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>A transponder list applies to a database: open or receive one before updating its transponders.</source>
        <translation>Eine Transponderliste gilt für eine Datenbank: Öffnen oder empfangen Sie eine, bevor Sie ihre Transponder aktualisieren.</translation>
    </message>
    <message>
        <source>%1 was not read: %2</source>
        <translation>%1 wurde nicht gelesen: %2</translation>
    </message>
    <message>
        <source>Update Transponders From %1</source>
        <translation>Transponder aus %1 aktualisieren</translation>
    </message>
    <message>
        <source>%1 holds %2 satellites with %3 transponders. Each satellite of the database takes the transponders it lacks from the list&apos;s satellite chosen for it; nothing is removed or changed.</source>
        <translation>%1 enthält %2 Satelliten mit %3 Transpondern. Jeder Satellit der Datenbank erhält die Transponder, die ihm fehlen, vom Satelliten der Liste, der ihm zugeordnet ist; nichts wird entfernt oder geändert.</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>From the list</source>
        <translation>Aus der Liste</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Zirkular</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Ausgelassen</translation>
    </message>
    <message>
        <source>Take the transponders of</source>
        <translation>Transponder übernehmen von</translation>
    </message>
    <message>
        <source>Adds %1 transponders to %2 satellites.</source>
        <translation>Fügt %1 Transponder zu %2 Satelliten hinzu.</translation>
    </message>
    <message>
        <source>Adds %1 transponders to %2 satellites; %3 more do not fit, as the transponder table is full.</source>
        <translation>Fügt %1 Transponder zu %2 Satelliten hinzu; %3 weitere passen nicht, da die Transpondertabelle voll ist.</translation>
    </message>
    <message>
        <source>%1 satellites were not matched and keep their transponders as they are.</source>
        <translation>%1 Satelliten wurden nicht zugeordnet und behalten ihre Transponder, wie sie sind.</translation>
    </message>
    <message>
        <source>No satellite was matched; nothing was added.</source>
        <translation>Kein Satellit wurde zugeordnet; nichts wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>Added %1 transponders from %2</source>
        <translation>%1 Transponder aus %2 hinzugefügt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>(not matched)</source>
        <translation>(nicht zugeordnet)</translation>
    </message>
</context>
<context>
    <name>TransponderListTexts</name>
    <message>
        <source>%1: %2 MiB is larger than any transponder list (at most %3 MiB)</source>
        <translation>%1: %2 MiB sind größer als jede Transponderliste (höchstens %3 MiB)</translation>
    </message>
    <message>
        <source>more than %1 MiB; no transponder list is that large</source>
        <translation>mehr als %1 MiB; keine Transponderliste ist so groß</translation>
    </message>
    <message>
        <source>not XML: %1</source>
        <translation>kein XML: %1</translation>
    </message>
    <message>
        <source>declares the entity &quot;%1&quot;; a transponder list needs none, so it is not read</source>
        <translation>deklariert die Entität „%1“; eine Transponderliste braucht keine, daher wird sie nicht gelesen</translation>
    </message>
    <message>
        <source>the root element is &lt;%1&gt;; a transponder list has &lt;satellites&gt;</source>
        <translation>das Wurzelelement ist &lt;%1&gt;; eine Transponderliste hat &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>no &lt;sat&gt; element; not a transponder list</source>
        <translation>kein Element &lt;sat&gt;; keine Transponderliste</translation>
    </message>
    <message>
        <source>elements nested more than %1 levels deep; a transponder list needs three</source>
        <translation>Elemente mehr als %1 Ebenen tief verschachtelt; eine Transponderliste braucht drei</translation>
    </message>
    <message>
        <source>more than %1 satellites; no transponder list has that many</source>
        <translation>mehr als %1 Satelliten; keine Transponderliste hat so viele</translation>
    </message>
    <message>
        <source>more than %1 transponders; no transponder list has that many</source>
        <translation>mehr als %1 Transponder; keine Transponderliste hat so viele</translation>
    </message>
    <message>
        <source>&lt;%1&gt; has no attribute %2</source>
        <translation>&lt;%1&gt; hat kein Attribut %2</translation>
    </message>
    <message>
        <source>&lt;%1&gt; attribute %2: expected an integer from %3 to %4, got &quot;%5&quot;</source>
        <translation>&lt;%1&gt; Attribut %2: erwartet: eine ganze Zahl von %3 bis %4, gefunden: „%5“</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 present, %4 circular skipped</source>
        <translation>%1: %2 hinzugefügt, %3 vorhanden, %4 zirkulare übersprungen</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 present, %4 circular skipped, %5 left out: the transponder table is full</source>
        <translation>%1: %2 hinzugefügt, %3 vorhanden, %4 zirkulare übersprungen, %5 ausgelassen: die Transpondertabelle ist voll</translation>
    </message>
    <message>
        <source>%1: not matched; its name states no position</source>
        <translation>%1: nicht zugeordnet; sein Name nennt keine Position</translation>
    </message>
    <message>
        <source>%1: not matched; the list has no satellite at %2</source>
        <translation>%1: nicht zugeordnet; die Liste hat keinen Satelliten bei %2</translation>
    </message>
    <message>
        <source>%1: not matched</source>
        <translation>%1: nicht zugeordnet</translation>
    </message>
</context>
</TS>
