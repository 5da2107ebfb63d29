<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;veltrane-batch --help&apos; for more information.</source>
        <translation>Mit „veltrane-batch --help“ erhalten Sie weitere Informationen.</translation>
    </message>
    <message>
        <source>Add --yes to go ahead.</source>
        <translation>Geben Sie --yes an, um fortzufahren.</translation>
    </message>
    <message>
        <source>Go ahead? [y/N]</source>
        <extracomment>The answer read is y or Y in every language.</extracomment>
        <translation>Fortfahren? [y/N]</translation>
    </message>
    <message>
        <source>no display answered, so the screen is taken as 1920x1080 (--screen WxH sets it)</source>
        <translation>keine Anzeige hat geantwortet, daher gilt 1920x1080 als Bildschirmgröße (--screen WxH legt sie fest)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot resize %1: %2</source>
        <translation>%1 kann nicht skaliert werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 übersprungen: %2</translation>
    </message>
    <message>
        <source>1 picture was stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation>1 Bild wurde verzerrt, um beide Grenzen auszufüllen; --fit WxH behält die Proportionen bei, --stretch WxH bestätigt, dass das Verzerren gewollt ist</translation>
    </message>
    <message>
        <source>%1 pictures were stretched out of proportion to fill both limits; --fit WxH keeps proportions, --stretch WxH says the stretching is meant</source>
        <translation>%1 Bilder wurden verzerrt, um beide Grenzen auszufüllen; --fit WxH behält die Proportionen bei, --stretch WxH bestätigt, dass das Verzerren gewollt ist</translation>
    </message>
    <message>
        <source>the list could not be read to its end: %1</source>
        <translation>die Liste konnte nicht bis zum Ende gelesen werden: %1</translation>
    </message>
    <message>
        <source>no files given</source>
        <translation>keine Dateien angegeben</translation>
    </message>
    <message>
        <source>  %1 pictures/s  %2:%3 left</source>
        <translation>  %1 Bilder/s  noch %2:%3</translation>
    </message>
    <message>
        <source>no preset called &quot;%1&quot; (--list-presets names them)</source>
        <translation>keine Vorlage namens „%1“ (--list-presets nennt alle)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would try every frame: only the first job can</source>
        <translation>„%1“ würde jeden Rahmen ausprobieren: das kann nur der erste Auftrag</translation>
    </message>
    <message>
        <source>&quot;%1&quot; writes index sheets only: only the first job can</source>
        <translation>„%1“ erstellt nur Indexblätter: das kann nur der erste Auftrag</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>unknown option: -%1</source>
        <translation>unbekannte Option: -%1</translation>
    </message>
    <message>
        <source>-%1 needs a value</source>
        <translation>-%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>the value of %1 is not valid UTF-8</source>
        <translation>der Wert von %1 ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>--screen wants WIDTHxHEIGHT, such as 1920x1080, not &quot;%1&quot;</source>
        <translation>--screen erwartet WIDTHxHEIGHT, etwa 1920x1080, nicht „%1“</translation>
    </message>
    <message>
        <source>--defaults and --no-settings cannot go together</source>
        <translation>--defaults (Standardeinstellungen) und --no-settings (keine Einstellungen) schließen einander aus</translation>
    </message>
    <message>
        <source>--report wants a file name, or &quot;-&quot; for the standard output</source>
        <translation>--report erwartet einen Dateinamen oder „-“ für die Standardausgabe</translation>
    </message>
    <message>
        <source>--jobs wants a number of threads from 1 to 256, not &quot;%1&quot;</source>
        <translation>--jobs erwartet eine Anzahl Threads von 1 bis 256, nicht „%1“</translation>
    </message>
    <message>
        <source>--memory wants a number of MB from 16 to 1048576, not &quot;%1&quot;</source>
        <translation>--memory erwartet eine Anzahl MB von 16 bis 1048576, nicht „%1“</translation>
    </message>
    <message>
        <source>--completion wants &quot;bash&quot;, &quot;zsh&quot; or &quot;fish&quot;, not &quot;%1&quot;</source>
        <translation>--completion erwartet „bash“, „zsh“ oder „fish“, nicht „%1“</translation>
    </message>
    <message>
        <source>the report %1 cannot be written: %2</source>
        <translation>der Bericht %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the report %1 is the list of names (--files-from); give the report another name</source>
        <translation>der Bericht %1 ist die Namensliste (--files-from); geben Sie dem Bericht einen anderen Namen</translation>
    </message>
    <message>
        <source>%1 exists and is not a report of veltrane-batch, so it is left alone; give --report a new name or remove the file</source>
        <translation>%1 existiert und ist kein Bericht von veltrane-batch, daher bleibt die Datei unberührt; geben Sie bei --report einen neuen Namen an oder entfernen Sie die Datei</translation>
    </message>
    <message>
        <source>the list %1 cannot be read: %2</source>
        <translation>die Liste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the report is one of the sources (%1); give the report another name</source>
        <translation>der Bericht ist eine der Quelldateien (%1); geben Sie dem Bericht einen anderen Namen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Pictures to resize</source>
        <translation>Zu skalierende Bilder</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Remove pictures</source>
        <translation>Bilder entfernen</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Vorlage hinzufügen</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>Vorlage entfernen</translation>
    </message>
    <message>
        <source>Maximum width</source>
        <translation>Maximale Breite</translation>
    </message>
    <message>
        <source>Maximum height</source>
        <translation>Maximale Höhe</translation>
    </message>
    <message>
        <source>How pictures meet both limits</source>
        <translation>Wie Bilder beide Grenzen einhalten</translation>
    </message>
    <message>
        <source>Fixed quality in percent</source>
        <translation>Feste Qualität in Prozent</translation>
    </message>
    <message>
        <source>File size limit in kB</source>
        <translation>Maximale Dateigröße in kB</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Name extension</source>
        <translation>Namenszusatz</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation>Indexblätter</translation>
    </message>
    <message>
        <source>Pictures across an index sheet</source>
        <translation>Bilder nebeneinander auf einem Indexblatt</translation>
    </message>
    <message>
        <source>Pictures down an index sheet</source>
        <translation>Bilder untereinander auf einem Indexblatt</translation>
    </message>
    <message>
        <source>Save to folder</source>
        <translation>In Ordner speichern</translation>
    </message>
    <message>
        <source>Choose the folder to save to</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Veltrane&apos;s homepage</source>
        <translation>Homepage von Veltrane</translation>
    </message>
    <message>
        <source>Go: start or stop resizing</source>
        <translation>Los: Skalieren starten oder anhalten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Click to select, double-click to open/view.</source>
        <translation>Klicken zum Auswählen, Doppelklick zum Öffnen/Anzeigen.</translation>
    </message>
    <message>
        <source> (a folder)</source>
        <translation> (ein Ordner)</translation>
    </message>
    <message>
        <source>maximum width</source>
        <translation>maximale Breite</translation>
    </message>
    <message>
        <source>maximum height</source>
        <translation>maximale Höhe</translation>
    </message>
    <message>
        <source>stretch</source>
        <translation>strecken</translation>
    </message>
    <message>
        <source>fit inside</source>
        <translation>einpassen</translation>
    </message>
    <message>
        <source>fill</source>
        <translation variants="yes">
            <lengthvariant>füllen</lengthvariant>
            <lengthvariant>füll</lengthvariant>
        </translation>
    </message>
    <message>
        <source>With both limits on: stretch pictures to exactly that size, fit them inside it, or fill it and crop the overflow from the centre</source>
        <translation>Wenn beide Grenzen aktiv sind: Bilder genau auf diese Größe strecken, proportional darin einpassen oder sie ausfüllen und das Überstehende um die Mitte herum abschneiden</translation>
    </message>
    <message>
        <source>never enlarge</source>
        <translation>nie vergrößern</translation>
    </message>
    <message>
        <source>Pictures already inside the limits keep their own size</source>
        <translation>Bilder, die schon innerhalb der Grenzen liegen, behalten ihre Größe</translation>
    </message>
    <message>
        <source>also apply to vertical pictures</source>
        <translation>auch für Hochformatbilder</translation>
    </message>
    <message>
        <source>eg: 600x800 will be rescaled as 800x600</source>
        <translation>z. B.: 600x800 wird als 800x600 skaliert</translation>
    </message>
    <message>
        <source>manual adjustment</source>
        <translation>manuell anpassen</translation>
    </message>
    <message>
        <source>Stretch/shrink the borders of preview window to set width &amp; height to resize to</source>
        <translation>Die Ränder des Vorschaufensters ziehen, um die Zielbreite und -höhe festzulegen</translation>
    </message>
    <message>
        <source>preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Show/hide preview window</source>
        <translation>Vorschaufenster ein-/ausblenden</translation>
    </message>
    <message>
        <source>fixed quality</source>
        <translation>feste Qualität</translation>
    </message>
    <message>
        <source>1 (minimum quality) to 100 (maximum quality)</source>
        <translation>1 (niedrigste Qualität) bis 100 (höchste Qualität)</translation>
    </message>
    <message>
        <source>file size below</source>
        <translation>Dateigröße unter</translation>
    </message>
    <message>
        <source>kB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>same as source</source>
        <translation>wie Original</translation>
    </message>
    <message>
        <source>The format of the resized pictures; &quot;same as source&quot; writes PNG for GIF, BMP and TIFF, and JPEG for HEIC</source>
        <translation>Das Format der skalierten Bilder; „wie Original“ schreibt PNG für GIF, BMP und TIFF und JPEG für HEIC</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Put every picture in a frame</source>
        <translation>Jedes Bild mit einem Rahmen versehen</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Zusatz</translation>
    </message>
    <message>
        <source>This will be added to the filename of the resized images</source>
        <translation>Wird an den Dateinamen der skalierten Bilder angehängt</translation>
    </message>
    <message>
        <source>don&apos;t</source>
        <translation>kein</translation>
    </message>
    <message>
        <source>also</source>
        <translation>auch</translation>
    </message>
    <message>
        <source>only</source>
        <translation>nur</translation>
    </message>
    <message>
        <source>Make index sheets (contact sheets) of the pictures</source>
        <translation>Indexblätter (Kontaktbögen) der Bilder erstellen</translation>
    </message>
    <message>
        <source>index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>with</source>
        <translation>mit</translation>
    </message>
    <message>
        <source>Pictures across a sheet</source>
        <translation>Bilder nebeneinander auf einem Blatt</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Pictures down a sheet</source>
        <translation>Bilder untereinander auf einem Blatt</translation>
    </message>
    <message>
        <source>names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>image size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>filesize</source>
        <translation variants="yes">
            <lengthvariant>Dateigröße</lengthvariant>
            <lengthvariant>Dateigr.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Write new name here and click + to create a new preset</source>
        <translation>Neuen Namen hier eingeben und auf + klicken, um eine neue Vorlage anzulegen</translation>
    </message>
    <message>
        <source>Create a new preset with current parameters</source>
        <translation>Neue Vorlage mit den aktuellen Einstellungen anlegen</translation>
    </message>
    <message>
        <source>Remove current preset</source>
        <translation>Aktuelle Vorlage entfernen</translation>
    </message>
    <message>
        <source>(no frame)</source>
        <translation variants="yes">
            <lengthvariant>(kein Rahmen)</lengthvariant>
            <lengthvariant>(ohne)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>(try all %1 frames)</source>
        <translation variants="yes">
            <lengthvariant>(alle %1 Rahmen testen)</lengthvariant>
            <lengthvariant>(alle %1 Rahmen)</lengthvariant>
        </translation>
    </message>
    <message>
        <source>NO FRAMES!</source>
        <translation>KEINE RAHMEN!</translation>
    </message>
    <message>
        <source>Sorry, no frames installed.<byte value="xd"/>
<byte value="xd"/>
Would you like to open the folder where frames go?</source>
        <translation>Leider sind keine Rahmen installiert.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie den Ordner öffnen, in den die Rahmen gehören?</translation>
    </message>
    <message>
        <source>Choose a folder to save the resized pictures to..</source>
        <translation>Ordner wählen, in dem die skalierten Bilder gespeichert werden..</translation>
    </message>
    <message>
        <source>Invalid character </source>
        <translation>Ungültiges Zeichen </translation>
    </message>
    <message>
        <source>Filenames cannot contain the following characters:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Dateinamen dürfen folgende Zeichen nicht enthalten:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation variants="yes">
            <lengthvariant>Hinzufügen...</lengthvariant>
            <lengthvariant>Hinzu…</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Add pictures to the list</source>
        <translation>Bilder zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation variants="yes">
            <lengthvariant>Entfernen</lengthvariant>
            <lengthvariant>Entf.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Remove the marked pictures, or else the selected one</source>
        <translation>Die markierten Bilder entfernen, sonst das ausgewählte</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation variants="yes">
            <lengthvariant>Alle entfernen</lengthvariant>
            <lengthvariant>Leeren</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>Die Liste leeren</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation variants="yes">
            <lengthvariant>Speichern in</lengthvariant>
            <lengthvariant>Ziel</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Folder to save the processed files to</source>
        <translation>Ordner, in dem die bearbeiteten Dateien gespeichert werden</translation>
    </message>
    <message>
        <source>Browse for folder</source>
        <translation>Durchsuchen: Ordner auswählen</translation>
    </message>
    <message>
        <source>same folder</source>
        <translation variants="yes">
            <lengthvariant>gleicher Ordner</lengthvariant>
            <lengthvariant>Quellordner</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Save files in their same folder</source>
        <translation>Dateien im selben Ordner wie das Original speichern</translation>
    </message>
    <message>
        <source>(click &quot;?&quot; again to close the help window and return to the main program)</source>
        <translation>(erneut „?“ klicken, um die Hilfe zu schließen und zum Programm zurückzukehren)</translation>
    </message>
    <message>
        <source>file manager menu:</source>
        <translation>Dateimanager-Menü:</translation>
    </message>
    <message>
        <source>JPG/JPEG</source>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>Add Veltrane command to the context-menu of JPGs and JPEGs</source>
        <translation>Veltrane-Befehl zum Kontextmenü von JPG- und JPEG-Dateien hinzufügen</translation>
    </message>
    <message>
        <source>BMP &amp;&amp; GIF</source>
        <translation>BMP &amp;&amp; GIF</translation>
    </message>
    <message>
        <source>Toggle help</source>
        <translation>Hilfe ein-/ausblenden</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Go to Veltrane&apos;s homepage!</source>
        <translation>Zur Homepage von Veltrane!</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Minimize window</source>
        <translation>Fenster minimieren</translation>
    </message>
    <message>
        <source>GO!</source>
        <translation variants="yes">
            <lengthvariant>LOS!</lengthvariant>
            <lengthvariant>LOS</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Start resizing the images</source>
        <translation>Skalieren der Bilder starten</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation variants="yes">
            <lengthvariant>STOPP</lengthvariant>
            <lengthvariant>STOP</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Interrupt the process.</source>
        <translation>Den Vorgang abbrechen.</translation>
    </message>
    <message>
        <source>Settings saved elsewhere</source>
        <translation>Einstellungen an anderer Stelle gespeichert</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The settings could not be saved:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>File manager menu</source>
        <translation>Dateimanager-Menü</translation>
    </message>
    <message>
        <source>The file managers&apos; menu entries could not all be written:<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Die Menüeinträge der Dateimanager konnten nicht alle geschrieben werden:<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Veltrane&apos;s guide</source>
        <translation>Veltrane-Handbuch</translation>
    </message>
    <message>
        <source> needs a folder</source>
        <translation> braucht einen Ordner</translation>
    </message>
    <message>
        <source>unknown option </source>
        <translation>unbekannte Option </translation>
    </message>
    <message>
        <source>Resizing stopped</source>
        <translation>Größenänderung abgebrochen</translation>
    </message>
    <message>
        <source>Resizing done</source>
        <translation>Größenänderung abgeschlossen</translation>
    </message>
    <message>
        <source>1 picture written</source>
        <translation>1 Bild geschrieben</translation>
    </message>
    <message>
        <source>%1 pictures written</source>
        <translation>%1 Bilder geschrieben</translation>
    </message>
    <message>
        <source>1 failed</source>
        <translation>1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>1 picture</source>
        <translation>1 Bild</translation>
    </message>
    <message>
        <source>%1 pictures</source>
        <translation>%1 Bilder</translation>
    </message>
    <message>
        <source>IPTC left out of %1: only JPEG files carry it</source>
        <translation>IPTC weggelassen (%1): nur JPEG-Dateien können es enthalten</translation>
    </message>
    <message>
        <source>only the first frame kept of 1 animated picture</source>
        <translation>von 1 animierten Bild nur das erste Einzelbild behalten</translation>
    </message>
    <message>
        <source>only the first frame kept of %1 animated pictures</source>
        <translation>von %1 animierten Bildern jeweils nur das erste Einzelbild behalten</translation>
    </message>
    <message>
        <source>Nothing was resized</source>
        <translation>Es wurde nichts skaliert</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the following files..</source>
        <translation>Folgende Dateien konnten nicht gelesen werden..</translation>
    </message>
    <message>
        <source>Couldn&apos;t resize the following files..</source>
        <translation>Folgende Dateien konnten nicht skaliert werden..</translation>
    </message>
    <message>
        <source>Made smaller to fit the size limit..</source>
        <translation>Verkleinert, um die Größenbeschränkung einzuhalten..</translation>
    </message>
    <message>
        <source>Written without some of their colours or metadata..</source>
        <translation>Ohne einen Teil ihrer Farben oder Metadaten geschrieben..</translation>
    </message>
    <message>
        <source>Good to know..</source>
        <translation>Gut zu wissen..</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the following files..</source>
        <translation>Folgende Dateien konnten nicht geschrieben werden..</translation>
    </message>
    <message>
        <source>No frames are installed, so there are no frames to try.</source>
        <translation>Es sind keine Rahmen installiert, daher gibt es keine Rahmen zum Ausprobieren.</translation>
    </message>
    <message>
        <source>Please choose the folder to save the resized pictures to.</source>
        <translation>Bitte wählen Sie den Ordner, in dem die skalierten Bilder gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created, so no picture was resized.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden, daher wurde kein Bild skaliert.</translation>
    </message>
    <message>
        <source>Nothing can be saved in the folder &quot;%1&quot; (%2), so no picture was resized.</source>
        <translation>Im Ordner „%1“ kann nichts gespeichert werden (%2), daher wurde kein Bild skaliert.</translation>
    </message>
    <message>
        <source>%1 picture-indexes will be generated, trying all %2 frames.</source>
        <translation>Aus den Bildern werden %1 Indexblätter erstellt, wobei alle %2 Rahmen ausprobiert werden.</translation>
    </message>
    <message>
        <source>%1 pictures and %2 picture-indexes will be generated, trying all %3 frames.</source>
        <translation>Es werden %1 Bilder und %2 Indexblätter erstellt, wobei alle %3 Rahmen ausprobiert werden.</translation>
    </message>
    <message>
        <source>Are you sure to proceed?</source>
        <translation>Wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Couldn&apos;t process the following files..</source>
        <translation>Folgende Dateien konnten nicht verarbeitet werden..</translation>
    </message>
    <message>
        <source>Can only read JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF and BMP!</source>
        <translation>Nur JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF und BMP können gelesen werden!</translation>
    </message>
    <message>
        <source>The following files were skipped: </source>
        <translation>Folgende Dateien wurden übersprungen: </translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so this file was left out: %2.</source>
        <translation>Die Liste fasst höchstens %1 Dateien, daher wurde diese Datei weggelassen: %2.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2.</source>
        <translation>Die Liste fasst höchstens %1 Dateien, daher wurden diese Dateien weggelassen: %2.</translation>
    </message>
    <message>
        <source>The list holds at most %1 files, so these files were left out: %2 and %3 more.</source>
        <translation>Die Liste fasst höchstens %1 Dateien, daher wurden diese Dateien weggelassen: %2 und %3 weitere.</translation>
    </message>
    <message>
        <source>The list is full</source>
        <translation>Die Liste ist voll</translation>
    </message>
    <message>
        <source>Images (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</source>
        <translation>Bilder (JPG, PNG, WebP, TIFF, HEIC, AVIF, GIF, BMP)</translation>
    </message>
    <message>
        <source>%1 wants pixels from 1 to 65000, &quot;screen&quot; or &quot;off&quot;, not &quot;%2&quot;</source>
        <translation>%1 erwartet Pixel von 1 bis 65000, „screen“ oder „off“, nicht „%2“</translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;: no frames are installed</source>
        <translation>kein Rahmen namens „%1“: es sind keine Rahmen installiert</translation>
    </message>
    <message>
        <source>no frame called &quot;%1&quot;; installed: %2</source>
        <translation>kein Rahmen namens „%1“; installiert sind: %2</translation>
    </message>
    <message>
        <source>--quality wants a number from 1 to 100, not &quot;%1&quot;</source>
        <translation>--quality erwartet als Qualität eine Zahl von 1 bis 100, nicht „%1“</translation>
    </message>
    <message>
        <source>--max-kb wants a size in kB above 0, not &quot;%1&quot;</source>
        <translation>--max-kb erwartet eine Größe in kB über 0, nicht „%1“</translation>
    </message>
    <message>
        <source>--suffix cannot hold &quot;%1&quot;: file names cannot contain %2</source>
        <translation>--suffix kann „%1“ nicht als Zusatz verwenden: Dateinamen dürfen %2 nicht enthalten</translation>
    </message>
    <message>
        <source>--index wants &quot;none&quot;, &quot;also&quot; or &quot;only&quot;, not &quot;%1&quot;</source>
        <translation>--index erwartet „none“, „also“ oder „only“, nicht „%1“</translation>
    </message>
    <message>
        <source>--grid wants ACROSSxDOWN, each 1 to 8, such as 4x3, not &quot;%1&quot;</source>
        <translation>--grid erwartet ACROSSxDOWN, je 1 bis 8, etwa 4x3, nicht „%1“</translation>
    </message>
    <message>
        <source>--output wants a folder, not an empty text</source>
        <translation>--output erwartet einen Ordner, keinen leeren Text</translation>
    </message>
    <message>
        <source>--format wants %1, not &quot;%2&quot;</source>
        <translation>--format erwartet %1, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 wants WIDTHxHEIGHT in pixels, each 1 to 65000, such as 1024x768, not &quot;%2&quot;</source>
        <translation>%1 erwartet WIDTHxHEIGHT in Pixeln, je 1 bis 65000, etwa 1024x768, nicht „%2“</translation>
    </message>
    <message>
        <source>Add preset</source>
        <translation>Vorlage hinzufügen</translation>
    </message>
    <message>
        <source>Please enter a name to save this preset as.</source>
        <translation>Bitte geben Sie einen Namen ein, unter dem diese Vorlage gespeichert wird.</translation>
    </message>
    <message>
        <source>A preset name cannot contain &quot;=&quot;.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation>Ein Vorlagenname darf kein „=“ enthalten.<byte value="xd"/>
<byte value="xd"/>
Bitte geben Sie einen anderen Namen für diese Vorlage ein.</translation>
    </message>
    <message>
        <source>A preset called &quot;%1&quot; already exists.<byte value="xd"/>
<byte value="xd"/>
Please enter another name to save this preset as.</source>
        <translation>Eine Vorlage namens „%1“ gibt es bereits.<byte value="xd"/>
<byte value="xd"/>
Bitte geben Sie einen anderen Namen für diese Vorlage ein.</translation>
    </message>
    <message>
        <source>This preset already exists.</source>
        <translation>Diese Vorlage gibt es bereits.</translation>
    </message>
    <message>
        <source>The current configuration has already been saved as preset &quot;%1&quot;.</source>
        <translation>Die aktuellen Einstellungen sind bereits als Vorlage „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>The preset list is full: it holds %1 presets.<byte value="xd"/>
<byte value="xd"/>
Please remove a preset before adding another.</source>
        <translation>Die Vorlagenliste ist voll: Sie enthält %1 Vorlagen.<byte value="xd"/>
<byte value="xd"/>
Bitte entfernen Sie eine Vorlage, bevor Sie eine weitere hinzufügen.</translation>
    </message>
    <message>
        <source>Remove this preset?</source>
        <translation>Diese Vorlage entfernen?</translation>
    </message>
    <message>
        <source>Are you sure to remove preset &quot;%1&quot;?</source>
        <translation>Soll die Vorlage „%1“ wirklich entfernt werden?</translation>
    </message>
    <message>
        <source>The settings could not be saved in the program folder:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
They are saved in &quot;%2&quot; instead, and read from there while that copy is the newer one.</source>
        <translation>Die Einstellungen konnten nicht im Programmordner gespeichert werden:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Sie werden stattdessen in „%2“ gespeichert und von dort gelesen, solange diese Kopie die neuere ist.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>INDEX PICTURES (make test-prints)</source>
        <translation>INDEXBILDER (für Probedrucke)</translation>
    </message>
    <message>
        <source>SELECT THE BEST FRAME</source>
        <translation>DEN BESTEN RAHMEN WÄHLEN</translation>
    </message>
    <message>
        <source>WALLPAPERS</source>
        <translation>HINTERGRUNDBILDER</translation>
    </message>
    <message>
        <source>THUMBNAILS</source>
        <translation>VORSCHAUBILDER</translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT</source>
        <translation>E-MAIL-ANHANG</translation>
    </message>
    <message>
        <source>MAIL ATTACHMENT (framed)</source>
        <translation>E-MAIL-ANHANG (mit Rahmen)</translation>
    </message>
    <message>
        <source>RE-SAMPLING</source>
        <translation>NEUBERECHNUNG</translation>
    </message>
    <message>
        <source>Low-res</source>
        <translation>Niedrige Auflösung</translation>
    </message>
    <message>
        <source>Web pictures</source>
        <translation>Bilder fürs Web</translation>
    </message>
    <message>
        <source>Web hi-res</source>
        <translation>Web, hohe Auflösung</translation>
    </message>
    <message>
        <source>Average PC image</source>
        <translation>Durchschnittliches PC-Bild</translation>
    </message>
    <message>
        <source>Hi-res</source>
        <translation>Hohe Auflösung</translation>
    </message>
    <message>
        <source>Top-resolution (for digital printing)</source>
        <translation>Höchste Auflösung (für Digitaldruck)</translation>
    </message>
    <message>
        <source>STANDARD VIDEO-SIZES</source>
        <translation>STANDARD-VIDEOGRÖSSEN</translation>
    </message>
    <message>
        <source>STANDARD PHOTO-SIZES (minimum)</source>
        <translation>STANDARD-FOTOGRÖSSEN (Minimum)</translation>
    </message>
    <message>
        <source>1MP Wallet-photo (2.5x3.5&quot;/6x9cm)</source>
        <translation>1MP Brieftaschenfoto (2.5x3.5&quot;/6x9cm)</translation>
    </message>
    <message>
        <source>2MP Normal photo (4x6&quot;/10x15cm)</source>
        <translation>2MP Standardfoto (4x6&quot;/10x15cm)</translation>
    </message>
    <message>
        <source>3MP A4/LetterPaper (8x10&quot;/20x25cm)</source>
        <translation>3MP A4/Letter-Papier (8x10&quot;/20x25cm)</translation>
    </message>
    <message>
        <source>4MP Poster (9x12&quot;/23x30cm)</source>
        <translation>4MP Poster (9x12&quot;/23x30cm)</translation>
    </message>
    <message>
        <source>5MP Large poster (10x13&quot;/25x33cm)</source>
        <translation>5MP Großes Poster (10x13&quot;/25x33cm)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source> PREVIEW (%1 x %2)</source>
        <translation> VORSCHAU (%1 x %2)</translation>
    </message>
    <message>
        <source> PREVIEW (no image selected)</source>
        <translation> VORSCHAU (kein Bild ausgewählt)</translation>
    </message>
    <message>
        <source> PREVIEW (scale 1 : %1)</source>
        <translation> VORSCHAU (Maßstab 1 : %1)</translation>
    </message>
    <message>
        <source> PREVIEW</source>
        <translation> VORSCHAU</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>no image selected</source>
        <translation>kein Bild ausgewählt</translation>
    </message>
    <message>
        <source>TRY ALL</source>
        <translation>ALLE TESTEN</translation>
    </message>
    <message>
        <source> FRAMES</source>
        <translation> RAHMEN</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>SETTINGS</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Index sheets</source>
        <translation>Indexblätter</translation>
    </message>
    <message>
        <source>INDEXES: background color</source>
        <translation>INDEX: Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Background color of the picture indexes</source>
        <translation>Hintergrundfarbe hinter den Bildern der Indexblätter</translation>
    </message>
    <message>
        <source>text color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Colour of the captions of the picture indexes</source>
        <translation>Farbe der Beschriftungen unter den Bildern der Indexblätter</translation>
    </message>
    <message>
        <source>Line colour</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>font size</source>
        <translation variants="yes">
            <lengthvariant>Schriftgröße</lengthvariant>
            <lengthvariant>Größe</lengthvariant>
        </translation>
    </message>
    <message>
        <source>bold</source>
        <translation>fett</translation>
    </message>
    <message>
        <source>italics</source>
        <translation>kursiv</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>metadata</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <source>keep all but the location</source>
        <translation>alles außer Standort behalten</translation>
    </message>
    <message>
        <source>keep all</source>
        <translation variants="yes">
            <lengthvariant>alles behalten</lengthvariant>
            <lengthvariant>behalten</lengthvariant>
        </translation>
    </message>
    <message>
        <source>remove all</source>
        <translation variants="yes">
            <lengthvariant>alles entfernen</lengthvariant>
            <lengthvariant>entfernen</lengthvariant>
        </translation>
    </message>
    <message>
        <source>What resized photos keep of the date, camera, exposure, copyright and place (GPS) stored in their sources</source>
        <translation>Was skalierte Fotos von Datum, Kamera, Belichtung, Copyright und Ort (GPS) behalten, die in ihren Quellen gespeichert sind</translation>
    </message>
    <message>
        <source>keep colour profiles (don&apos;t convert to sRGB)</source>
        <translation>Farbprofile behalten (nicht in sRGB umwandeln)</translation>
    </message>
    <message>
        <source>For viewers that manage colour: photos keep the profile they came with instead of being converted to sRGB</source>
        <translation>Für Bildbetrachter mit Farbmanagement: Fotos behalten ihr mitgebrachtes Farbprofil, statt in sRGB umgewandelt zu werden</translation>
    </message>
    <message>
        <source>Interface style</source>
        <translation>Oberflächenstil</translation>
    </message>
    <message>
        <source>graphic</source>
        <translation>grafisch</translation>
    </message>
    <message>
        <source>windowed</source>
        <translation variants="yes">
            <lengthvariant>im Fenster</lengthvariant>
            <lengthvariant>Fenster</lengthvariant>
        </translation>
    </message>
    <message>
        <source>(you can also doubleclick empty areas to toggle)</source>
        <translation>(Doppelklick auf leere Flächen schaltet ebenfalls um)</translation>
    </message>
    <message>
        <source>open the guide page on exit</source>
        <translation>Handbuch beim Beenden öffnen</translation>
    </message>
    <message>
        <source>Open Veltrane&apos;s guide and support page in the browser when you close the program</source>
        <translation>Beim Schließen des Programms die Handbuch- und Hilfeseite von Veltrane im Browser öffnen</translation>
    </message>
    <message>
        <source>On job complete</source>
        <translation>Nach Abschluss</translation>
    </message>
    <message>
        <source>..and then open resized images&apos; folder</source>
        <translation>..und dann den Zielordner öffnen</translation>
    </message>
    <message>
        <source>full-screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>exit program</source>
        <translation variants="yes">
            <lengthvariant>Programm beenden</lengthvariant>
            <lengthvariant>beenden</lengthvariant>
        </translation>
    </message>
</context>
</TS>
