<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DesignMenu</name>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>The built-in letter as it always was: your address at the top left</source>
        <translation>Der mitgelieferte Brief wie bisher: Ihre Adresse oben links</translation>
    </message>
    <message>
        <source>&amp;Modern</source>
        <translation>&amp;Modern</translation>
    </message>
    <message>
        <source>Your name in a band across the top, your address, phone and e-mail under it</source>
        <translation>Ihr Name in einem Band oben, darunter Ihre Adresse, Telefonnummer und E-Mail</translation>
    </message>
    <message>
        <source>&amp;Letterhead</source>
        <translation>&amp;Briefkopf</translation>
    </message>
    <message>
        <source>Your name, address, phone and e-mail centred across the top, a rule under them</source>
        <translation>Ihr Name, Ihre Adresse, Telefonnummer und E-Mail zentriert oben, darunter eine Linie</translation>
    </message>
    <message>
        <source>&amp;Design</source>
        <translation>&amp;Gestaltung</translation>
    </message>
    <message>
        <source>The look of the built-in letter</source>
        <translation>Das Aussehen des mitgelieferten Briefs</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Yo&amp;ur Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your full name: it heads the letter and signs it</source>
        <translation>Ihr vollständiger Name: Er steht über dem Brief und unterschreibt ihn</translation>
    </message>
    <message>
        <source>St&amp;reet Address:</source>
        <translation>S&amp;traße:</translation>
    </message>
    <message>
        <source>Your Street Address</source>
        <translation>Ihre Straße</translation>
    </message>
    <message>
        <source>Your street and house number, under your name</source>
        <translation>Ihre Straße und Hausnummer, unter Ihrem Namen</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>Your City</source>
        <translation>Ihr Ort</translation>
    </message>
    <message>
        <source>Your city, in your address</source>
        <translation>Ihr Ort, in Ihrer Anschrift</translation>
    </message>
    <message>
        <source>&amp;State:</source>
        <translation>&amp;Staat:</translation>
    </message>
    <message>
        <source>Your State</source>
        <translation>Ihr Bundesstaat</translation>
    </message>
    <message>
        <source>Your state, after your city</source>
        <translation>Ihr Bundesstaat, nach Ihrem Ort</translation>
    </message>
    <message>
        <source>Zi&amp;p Code:</source>
        <translation>P&amp;LZ:</translation>
    </message>
    <message>
        <source>Your Zip Code</source>
        <translation>Ihre Postleitzahl</translation>
    </message>
    <message>
        <source>Your zip code, after your state</source>
        <translation>Ihre Postleitzahl, nach Ihrem Bundesstaat</translation>
    </message>
    <message>
        <source>Recipient &amp;Name:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>Recipient Name</source>
        <translation>Name des Empfängers</translation>
    </message>
    <message>
        <source>Whom you write to: heads the inside address and the greeting</source>
        <translation>An wen Sie schreiben: steht über der Empfängeranschrift und in der Anrede</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Position:</translation>
    </message>
    <message>
        <source>Recipient Title</source>
        <translation>Position des Empfängers</translation>
    </message>
    <message>
        <source>The recipient&apos;s job title</source>
        <translation>Die Stellenbezeichnung des Empfängers</translation>
    </message>
    <message>
        <source>Co&amp;mpany Name:</source>
        <translation>&amp;Firma:</translation>
    </message>
    <message>
        <source>Recipient Company Name</source>
        <translation>Firma des Empfängers</translation>
    </message>
    <message>
        <source>The recipient&apos;s company</source>
        <translation>Die Firma des Empfängers</translation>
    </message>
    <message>
        <source>Street A&amp;ddress:</source>
        <translation>Straß&amp;e:</translation>
    </message>
    <message>
        <source>Recipient Street Address</source>
        <translation>Straße des Empfängers</translation>
    </message>
    <message>
        <source>The recipient&apos;s street and number</source>
        <translation>Straße und Hausnummer des Empfängers</translation>
    </message>
    <message>
        <source>Cit&amp;y:</source>
        <translation>O&amp;rt:</translation>
    </message>
    <message>
        <source>Recipient City</source>
        <translation>Ort des Empfängers</translation>
    </message>
    <message>
        <source>The recipient&apos;s city</source>
        <translation>Der Ort des Empfängers</translation>
    </message>
    <message>
        <source>St&amp;ate:</source>
        <translation>St&amp;aat:</translation>
    </message>
    <message>
        <source>Recipient State</source>
        <translation>Bundesstaat des Empfängers</translation>
    </message>
    <message>
        <source>The recipient&apos;s state</source>
        <translation>Der Bundesstaat des Empfängers</translation>
    </message>
    <message>
        <source>&amp;Zip Code:</source>
        <translation>PL&amp;Z:</translation>
    </message>
    <message>
        <source>Recipient Zip Code</source>
        <translation>Postleitzahl des Empfängers</translation>
    </message>
    <message>
        <source>The recipient&apos;s zip code</source>
        <translation>Die Postleitzahl des Empfängers</translation>
    </message>
    <message>
        <source>Fills the letter template with these fields and today&apos;s date and shows the letter</source>
        <translation>Füllt die Briefvorlage mit diesen Feldern und dem heutigen Datum und zeigt den Brief an</translation>
    </message>
    <message>
        <source>Empties the twelve fields (Ctrl+Z brings them back)</source>
        <translation>Leert die zwölf Felder (Strg+Z holt sie zurück)</translation>
    </message>
    <message>
        <source>Fills the twelve fields with an example letter (Ctrl+Z brings yours back)</source>
        <translation>Füllt die zwölf Felder mit einem Beispielbrief (Strg+Z holt Ihre zurück)</translation>
    </message>
    <message>
        <source>Cleared. Ctrl+Z to undo.</source>
        <translation>Geleert. Strg+Z macht es rückgängig.</translation>
    </message>
    <message>
        <source>Sample loaded. Ctrl+Z to undo.</source>
        <translation>Beispiel geladen. Strg+Z macht es rückgängig.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>The Letter, Edit, View and Help menus</source>
        <translation>Die Menüs Brief, Bearbeiten, Ansicht und Hilfe</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>Br&amp;ief</translation>
    </message>
    <message>
        <source>The letter&apos;s template and text, and Quit</source>
        <translation>Vorlage und Text des Briefs, und Beenden</translation>
    </message>
    <message>
        <source>&amp;Built-in Letter</source>
        <translation>&amp;Mitgelieferter Brief</translation>
    </message>
    <message>
        <source>Make letters from the built-in template</source>
        <translation>Briefe aus der mitgelieferten Vorlage erstellen</translation>
    </message>
    <message>
        <source>&amp;Use My Own Template…</source>
        <translation>&amp;Eigene Vorlage verwenden…</translation>
    </message>
    <message>
        <source>Make letters from a document of your own that holds the placeholders</source>
        <translation>Briefe aus einem eigenen Dokument erstellen, das die Platzhalter enthält</translation>
    </message>
    <message>
        <source>&amp;Save Built-in Letter As…</source>
        <translation>Mitgelieferten Brief &amp;speichern unter…</translation>
    </message>
    <message>
        <source>Save the built-in letter to write your own text around its placeholders</source>
        <translation>Den mitgelieferten Brief speichern, um eigenen Text um seine Platzhalter zu schreiben</translation>
    </message>
    <message>
        <source>&amp;Edit Letter Text…</source>
        <translation>Brief&amp;text bearbeiten…</translation>
    </message>
    <message>
        <source>Write the built-in letter&apos;s body in your own words, with your phone and e-mail</source>
        <translation>Den Text des mitgelieferten Briefs in eigenen Worten schreiben, mit Ihrer Telefonnummer und E-Mail-Adresse</translation>
    </message>
    <message>
        <source>More &amp;Fields…</source>
        <translation>&amp;Weitere Felder…</translation>
    </message>
    <message>
        <source>Give values to the placeholders your letter uses beyond the fields, such as [Position]</source>
        <translation>Den Platzhaltern, die Ihr Brief über die Felder hinaus verwendet, Werte geben, etwa [Position]</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo of Clear/Reset Data and Load Sample/Example Data</source>
        <translation>Rückgängig machen von „Daten löschen/zurücksetzen“ und „Beispieldaten laden“</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>The placeholders, and about Tessaline</source>
        <translation>Die Platzhalter, und über Tessaline</translation>
    </message>
    <message>
        <source>&amp;Placeholders…</source>
        <translation>&amp;Platzhalter…</translation>
    </message>
    <message>
        <source>&amp;About Tessaline</source>
        <translation>Ü&amp;ber Tessaline</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Weitere Menüs</translation>
    </message>
    <message>
        <source>The menus that do not fit on the menu bar</source>
        <translation>Die Menüs, die nicht in die Menüleiste passen</translation>
    </message>
    <message>
        <source>Start Creatin&amp;g Template</source>
        <translation>&amp;Vorlage erstellen</translation>
    </message>
    <message>
        <source>&amp;Clear/Reset Data</source>
        <translation>Daten löschen/z&amp;urücksetzen</translation>
    </message>
    <message>
        <source>L&amp;oad Sample/Example Data</source>
        <translation>Beispiel&amp;daten laden</translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation>Ihre Angaben</translation>
    </message>
    <message>
        <source>Recipient Information</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Letter Date</source>
        <translation>Briefdatum</translation>
    </message>
    <message>
        <source>Set to today&apos;s date whenever a letter is made</source>
        <translation>Wird bei jedem neuen Brief auf das heutige Datum gesetzt</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>%1

You can go on working, but your entries will not be remembered for the next start.</source>
        <translation>%1

Sie können weiterarbeiten, aber Ihre Eingaben werden für den nächsten Start nicht gespeichert.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Load Sample</source>
        <translation>Beispiel laden</translation>
    </message>
    <message>
        <source>Use My Own Template</source>
        <translation>Eigene Vorlage verwenden</translation>
    </message>
    <message>
        <source>Save Built-in Letter As</source>
        <translation>Mitgelieferten Brief speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Saving the built-in letter…</source>
        <translation>Der mitgelieferte Brief wird gespeichert…</translation>
    </message>
    <message>
        <source>The built-in letter is saved as %1.

Open it in your word processor, write your own text around the placeholders, save it, and choose it with Letter &gt; Use My Own Template….</source>
        <translation>Der mitgelieferte Brief ist als %1 gespeichert.

Öffnen Sie ihn in Ihrer Textverarbeitung, schreiben Sie Ihren eigenen Text um die Platzhalter, speichern Sie ihn und wählen Sie ihn mit „Brief &gt; Eigene Vorlage verwenden…“ aus.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Making the letter…</source>
        <translation>Der Brief wird erstellt…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Ansi&amp;cht</translation>
    </message>
    <message>
        <source>The live page beside the fields</source>
        <translation>Die Live-Seite neben den Feldern</translation>
    </message>
    <message>
        <source>Live &amp;Page</source>
        <translation>&amp;Live-Seite</translation>
    </message>
    <message>
        <source>Shows the letter beside the fields as you type</source>
        <translation>Zeigt den Brief beim Tippen neben den Feldern an</translation>
    </message>
    <message>
        <source>Le&amp;tters Sent…</source>
        <translation>&amp;Versendete Briefe…</translation>
    </message>
    <message>
        <source>Every letter saved, exported, printed or written by a batch, and its status</source>
        <translation>Jeder gespeicherte, exportierte, gedruckte oder von einem Stapel geschriebene Brief und sein Status</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>&amp;Save Results To Word File…</source>
        <translation>In Word-Datei &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>Export as &amp;Word 2007-365 (.docx)…</source>
        <translation>Als &amp;Word 2007-365 (.docx) exportieren…</translation>
    </message>
    <message>
        <source>Export as &amp;OpenDocument (.odt)…</source>
        <translation>Als &amp;OpenDocument (.odt) exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Save, export or print the letter, go back, quit, and zoom</source>
        <translation>Den Brief speichern, exportieren oder drucken, zurückgehen, beenden und zoomen</translation>
    </message>
    <message>
        <source>More Menus</source>
        <translation>Weitere Menüs</translation>
    </message>
    <message>
        <source>Shows the menus that do not fit on the menu bar</source>
        <translation>Zeigt die Menüs, die nicht in die Menüleiste passen</translation>
    </message>
    <message>
        <source>Edit Letter Text…</source>
        <translation>Brieftext bearbeiten…</translation>
    </message>
    <message>
        <source>Goes back to the fields and opens the Letter Text window</source>
        <translation>Kehrt zu den Feldern zurück und öffnet das Fenster „Brieftext“</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Save Results To Word File</source>
        <translation>In Word-Datei &amp;speichern</translation>
    </message>
    <message>
        <source>Shows the page a quarter step larger</source>
        <translation>Zeigt die Seite um eine Viertelstufe größer</translation>
    </message>
    <message>
        <source>Shows the page a quarter step smaller</source>
        <translation>Zeigt die Seite um eine Viertelstufe kleiner</translation>
    </message>
    <message>
        <source>Saves the letter as a Word 97-2003 document under a name you choose</source>
        <translation>Speichert den Brief als Word-97-2003-Dokument unter einem Namen Ihrer Wahl</translation>
    </message>
    <message>
        <source>Returns to the fields, to change them and make another letter</source>
        <translation>Kehrt zu den Feldern zurück, um sie zu ändern und einen weiteren Brief zu erstellen</translation>
    </message>
    <message>
        <source>The letter has no page to show</source>
        <translation>Der Brief hat keine Seite zum Anzeigen</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>page %1 of %2, %3</source>
        <translation>Seite %1 von %2, %3</translation>
    </message>
    <message>
        <source>%1 — Preview (%2)</source>
        <translation>%1 — Vorschau (%2)</translation>
    </message>
    <message>
        <source> — %1</source>
        <translation> — %1</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Vo&amp;rherige Seite</translation>
    </message>
    <message>
        <source>No office is there to export the letter.</source>
        <translation>Es ist kein Office-Programm da, um den Brief zu exportieren.</translation>
    </message>
    <message>
        <source>No office is there to print the letter.</source>
        <translation>Es ist kein Office-Programm da, um den Brief zu drucken.</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>&amp;Ganze Seite</translation>
    </message>
    <message>
        <source>&amp;Fit Page</source>
        <translation>Seite &amp;einpassen</translation>
    </message>
    <message>
        <source>%1

The page is shown as you chose, but the choice will not be remembered for the next start.</source>
        <translation>%1

Die Seite wird wie gewählt angezeigt, aber die Wahl wird für den nächsten Start nicht gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Letters Sent…</source>
        <translation>&amp;Versendete Briefe…</translation>
    </message>
    <message>
        <source>Send by E-&amp;mail…</source>
        <translation>Per &amp;E-Mail senden…</translation>
    </message>
    <message>
        <source>No office is there to write the letter for the e-mail.</source>
        <translation>Es ist kein Office-Programm da, um den Brief für die E-Mail zu schreiben.</translation>
    </message>
</context>
<context>
    <name>LetterFormat</name>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Word-Dateien (*.doc)</translation>
    </message>
    <message>
        <source>Word 2007-365 Documents (*.docx)</source>
        <translation>Word-2007-365-Dokumente (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>OpenDocument-Text (*.odt)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LetterSession</name>
    <message>
        <source>&amp;Make the Letter Anyway</source>
        <translation>Brief &amp;trotzdem erstellen</translation>
    </message>
    <message>
        <source>More &amp;Fields…</source>
        <translation>&amp;Weitere Felder…</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Before the letter is made, have a look:</source>
        <translation>Bevor der Brief erstellt wird, bitte prüfen:</translation>
    </message>
    <message>
        <source>Make the letter anyway, or go back and change it?</source>
        <translation>Den Brief trotzdem erstellen oder zurückgehen und ihn ändern?</translation>
    </message>
</context>
<context>
    <name>LetterStatus</name>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>verschickt</translation>
    </message>
    <message>
        <source>interview</source>
        <translation>Vorstellungsgespräch</translation>
    </message>
    <message>
        <source>offer</source>
        <translation>Zusage</translation>
    </message>
    <message>
        <source>rejected</source>
        <translation>Absage</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
</context>
<context>
    <name>LetterTextWindow</name>
    <message>
        <source>Letter Text</source>
        <translation>Brieftext</translation>
    </message>
    <message>
        <source>The body of the built-in letter: what stands between &quot;Dear …:&quot; and &quot;Sincerely,&quot;. A blank line starts a new paragraph; a line that begins with a dash and a space (&quot;- &quot;) is a bulleted item. Placeholders such as [CompanyName] are filled as everywhere else.</source>
        <translation>Der Text des mitgelieferten Briefs: was zwischen „Dear …:“ und „Sincerely,“ steht. Eine Leerzeile beginnt einen neuen Absatz; eine Zeile, die mit einem Bindestrich und einem Leerzeichen („- “) beginnt, ist ein Aufzählungspunkt. Platzhalter wie [CompanyName] werden wie überall sonst gefüllt.</translation>
    </message>
    <message>
        <source>Your own template, %1, is in use: it keeps its own words, and this text is used once you choose Letter &gt; Built-in Letter again. Your phone and e-mail fill [Phone] and [Email] in every template.</source>
        <translation>Ihre eigene Vorlage, %1, wird verwendet: Sie behält ihren eigenen Wortlaut, und dieser Text wird verwendet, sobald Sie wieder „Brief &gt; Mitgelieferter Brief“ wählen. Ihre Telefonnummer und E-Mail-Adresse füllen [Phone] und [Email] in jeder Vorlage.</translation>
    </message>
    <message>
        <source>Letter &amp;text:</source>
        <translation>Brief&amp;text:</translation>
    </message>
    <message>
        <source>The body of the built-in letter, in your own words</source>
        <translation>Der Text des mitgelieferten Briefs, in Ihren eigenen Worten</translation>
    </message>
    <message>
        <source>Letter Text, up and down</source>
        <translation>Brieftext, vertikal</translation>
    </message>
    <message>
        <source>Scrolls the letter text up and down</source>
        <translation>Rollt den Brieftext nach oben und unten</translation>
    </message>
    <message>
        <source>Letter Text, sideways</source>
        <translation>Brieftext, horizontal</translation>
    </message>
    <message>
        <source>Scrolls the letter text sideways</source>
        <translation>Rollt den Brieftext zur Seite</translation>
    </message>
    <message>
        <source>&amp;Insert Placeholder</source>
        <translation>Platzhalter &amp;einfügen</translation>
    </message>
    <message>
        <source>Puts a placeholder where the caret is in the letter text</source>
        <translation>Fügt an der Schreibmarke im Brieftext einen Platzhalter ein</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>&amp;Restore Built-in Text</source>
        <translation>Mitgelieferten Text &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>Puts the built-in letter&apos;s body back into the letter text</source>
        <translation>Setzt den Text des mitgelieferten Briefs wieder in den Brieftext ein</translation>
    </message>
    <message>
        <source>Your Phone</source>
        <translation>Ihre Telefonnummer</translation>
    </message>
    <message>
        <source>Fills [Phone] in the letter</source>
        <translation>Füllt [Phone] im Brief</translation>
    </message>
    <message>
        <source>Your E-mail</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Fills [Email] in the letter</source>
        <translation>Füllt [Email] im Brief</translation>
    </message>
    <message>
        <source>Your Country</source>
        <translation>Ihr Land</translation>
    </message>
    <message>
        <source>Fills [Country]: a line under your city when given</source>
        <translation>Füllt [Country]: eine Zeile unter Ihrem Ort, wenn angegeben</translation>
    </message>
    <message>
        <source>Recipient&apos;s Country</source>
        <translation>Land des Empfängers</translation>
    </message>
    <message>
        <source>Fills [Country2]: a line under the recipient&apos;s city when given</source>
        <translation>Füllt [Country2]: eine Zeile unter dem Ort des Empfängers, wenn angegeben</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Anrede</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s greeting; placeholders work here</source>
        <translation>Die Anrede des mitgelieferten Briefs; Platzhalter funktionieren hier</translation>
    </message>
    <message>
        <source>Greeting Without a Name</source>
        <translation>Anrede ohne Namen</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s greeting when the recipient&apos;s name is empty</source>
        <translation>Die Anrede des mitgelieferten Briefs, wenn der Name des Empfängers leer ist</translation>
    </message>
    <message>
        <source>Closing</source>
        <translation>Grußformel</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s closing; empty: none</source>
        <translation>Die Grußformel des mitgelieferten Briefs; leer: keine</translation>
    </message>
    <message>
        <source>Enclosure Line</source>
        <translation>Anlagenzeile</translation>
    </message>
    <message>
        <source>The line under your name; empty: none</source>
        <translation>Die Zeile unter Ihrem Namen; leer: keine</translation>
    </message>
    <message>
        <source>Keeps the letter text and everything below it</source>
        <translation>Übernimmt den Brieftext und alles darunter</translation>
    </message>
    <message>
        <source>Closes the window and keeps nothing</source>
        <translation>Schließt das Fenster und übernimmt nichts</translation>
    </message>
    <message>
        <source>Spelling Dictionary</source>
        <translation>Wörterbuch für die Rechtschreibung</translation>
    </message>
    <message>
        <source>The language the letter text&apos;s spelling is checked in</source>
        <translation>Die Sprache, in der die Rechtschreibung des Brieftexts geprüft wird</translation>
    </message>
    <message>
        <source>Your language&apos;s</source>
        <translation>Das Ihrer Sprache</translation>
    </message>
    <message>
        <source>&amp;Dictionary:</source>
        <translation>Wörter&amp;buch:</translation>
    </message>
    <message>
        <source>Your P&amp;hone:</source>
        <translation>Tele&amp;fon:</translation>
    </message>
    <message>
        <source>Your E-&amp;mail:</source>
        <translation>E-&amp;Mail:</translation>
    </message>
    <message>
        <source>Your Co&amp;untry:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>Recipient&apos;s Countr&amp;y:</source>
        <translation>Land des Em&amp;pfängers:</translation>
    </message>
    <message>
        <source>&amp;Greeting:</source>
        <translation>&amp;Anrede:</translation>
    </message>
    <message>
        <source>Greeting &amp;without a name:</source>
        <translation>Anrede &amp;ohne Namen:</translation>
    </message>
    <message>
        <source>C&amp;losing:</source>
        <translation>&amp;Grußformel:</translation>
    </message>
    <message>
        <source>&amp;Enclosure line:</source>
        <translation>Anlagen&amp;zeile:</translation>
    </message>
    <message>
        <source>Add to &amp;Dictionary</source>
        <translation>Zum &amp;Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>%1

Your letter text was not kept; the window stays open so that nothing you typed is lost.</source>
        <translation>%1

Ihr Brieftext wurde nicht übernommen; das Fenster bleibt offen, damit nichts von dem verloren geht, was Sie eingegeben haben.</translation>
    </message>
    <message>
        <source>The picture signed above your typed name</source>
        <translation>Das Bild Ihrer Unterschrift über Ihrem getippten Namen</translation>
    </message>
    <message>
        <source>Ch&amp;oose…</source>
        <translation>A&amp;uswählen…</translation>
    </message>
    <message>
        <source>Choose Signature</source>
        <translation>Unterschrift auswählen</translation>
    </message>
    <message>
        <source>Chooses a picture of your signature (PNG, JPEG or SVG) for above your typed name</source>
        <translation>Wählt ein Bild Ihrer Unterschrift (PNG, JPEG oder SVG), das über Ihrem getippten Namen steht</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>E&amp;ntfernen</translation>
    </message>
    <message>
        <source>Remove Signature</source>
        <translation>Unterschrift entfernen</translation>
    </message>
    <message>
        <source>Letters are no longer signed with a picture</source>
        <translation>Briefe werden nicht mehr mit einem Bild unterschrieben</translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation>Unterschrift:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>Unterschrift: %1</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg</translation>
    </message>
    <message>
        <source>Your Web Page</source>
        <translation>Ihre Webseite</translation>
    </message>
    <message>
        <source>Fills [Web]: the letterhead design&apos;s line under your phone and e-mail</source>
        <translation>Füllt [Web]: die Zeile der Gestaltung Briefkopf unter Ihrer Telefonnummer und E-Mail</translation>
    </message>
    <message>
        <source>Your We&amp;b Page:</source>
        <translation>Web&amp;seite:</translation>
    </message>
</context>
<context>
    <name>LettersModel</name>
    <message>
        <source>The status could not be kept: %1.</source>
        <translation>Der Status konnte nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>LettersWindow</name>
    <message>
        <source>Letters Sent</source>
        <translation>Versendete Briefe</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Company, recipient, position, status or file</source>
        <translation>Firma, Empfänger, Stelle, Status oder Datei</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Shows only the letters whose row holds these words</source>
        <translation>Zeigt nur die Briefe, deren Zeile diese Wörter enthält</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Briefe</translation>
    </message>
    <message>
        <source>Each letter written, a row each; F2 sets its status</source>
        <translation>Jeder geschriebene Brief, je eine Zeile; F2 setzt seinen Status</translation>
    </message>
    <message>
        <source>&amp;Open Letter</source>
        <translation>&amp;Brief öffnen</translation>
    </message>
    <message>
        <source>Opens the chosen letter&apos;s file</source>
        <translation>Öffnet die Datei des gewählten Briefs</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>Opens the folder that holds the chosen letter</source>
        <translation>Öffnet den Ordner, der den gewählten Brief enthält</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>Writes the letters shown to a CSV file</source>
        <translation>Schreibt die angezeigten Briefe in eine CSV-Datei</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>The record of letters cannot be read: %1.</source>
        <translation>Das Briefprotokoll kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The letter %1 is no longer there: it was moved or deleted.</source>
        <translation>Der Brief %1 ist nicht mehr da: Er wurde verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>Es konnte kein Programm gestartet werden, um %1 zu öffnen.</translation>
    </message>
    <message>
        <source>The folder %1 is no longer there.</source>
        <translation>Der Ordner %1 ist nicht mehr da.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 ist bereits vorhanden. Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Not redrawn: %1</source>
        <translation>Nicht neu gezeichnet: %1</translation>
    </message>
    <message>
        <source>Not redrawn: the office stopped. Your next change draws the page again.</source>
        <translation>Nicht neu gezeichnet: Das Office-Programm wurde beendet. Ihre nächste Änderung zeichnet die Seite neu.</translation>
    </message>
</context>
<context>
    <name>LivePageWindow</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>Draws the live page again</source>
        <translation>Zeichnet die Live-Seite neu</translation>
    </message>
    <message>
        <source>Live Page View</source>
        <translation>Live-Seitenansicht</translation>
    </message>
    <message>
        <source>Shows a page of the letter as the fields make it now</source>
        <translation>Zeigt eine Seite des Briefs so, wie die Felder ihn jetzt ergeben</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Live page %1 of %2</source>
        <translation>Live-Seite %1 von %2</translation>
    </message>
    <message>
        <source>Live page</source>
        <translation>Live-Seite</translation>
    </message>
    <message>
        <source>A draft of the letter as the fields make it now, redrawn as you type; nothing is saved from it.%1</source>
        <translation>Ein Entwurf des Briefs, so wie die Felder ihn jetzt ergeben, neu gezeichnet während Sie tippen; nichts davon wird gespeichert.%1</translation>
    </message>
    <message>
        <source> Page Up and Page Down turn the pages.</source>
        <translation> Bild auf und Bild ab blättern um.</translation>
    </message>
    <message>
        <source>%1 — Live Page (page %2 of %3)</source>
        <translation>%1 — Live-Seite (Seite %2 von %3)</translation>
    </message>
    <message>
        <source>%1 — Live Page</source>
        <translation>%1 — Live-Seite</translation>
    </message>
</context>
<context>
    <name>MailHandover</name>
    <message>
        <source>Application</source>
        <translation>Bewerbung</translation>
    </message>
    <message>
        <source>Application: %1</source>
        <translation>Bewerbung als %1</translation>
    </message>
    <message>
        <source>No e-mail program can take the letter: this desktop has neither an e-mail portal nor xdg-email with a mail program set up. Export the letter with File ▸ Export as PDF… and attach it to a message yourself.</source>
        <translation>Kein E-Mail-Programm kann den Brief übernehmen: Diese Desktopumgebung hat weder ein E-Mail-Portal noch xdg-email mit einem eingerichteten E-Mail-Programm. Exportieren Sie den Brief mit „Datei ▸ Als PDF exportieren…“ und hängen Sie ihn selbst an eine Nachricht an.</translation>
    </message>
    <message>
        <source>The letter could not be handed to the e-mail program. Export it with File ▸ Export as PDF… and attach it to a message yourself.</source>
        <translation>Der Brief konnte nicht an das E-Mail-Programm übergeben werden. Exportieren Sie ihn mit „Datei ▸ Als PDF exportieren…“ und hängen Sie ihn selbst an eine Nachricht an.</translation>
    </message>
</context>
<context>
    <name>MoreFieldsWindow</name>
    <message>
        <source>More Fields</source>
        <translation>Weitere Felder</translation>
    </message>
    <message>
        <source>Values for the placeholders your letter uses beyond the fields, [Phone] and [Email]. Each fills every letter you make here, and a list&apos;s column of the same name takes its place in a batch.</source>
        <translation>Werte für die Platzhalter, die Ihr Brief über die Felder, [Phone] und [Email] hinaus verwendet. Jeder Wert füllt jeden Brief, den Sie hier erstellen; in einem Stapel tritt eine gleichnamige Spalte der Liste an seine Stelle.</translation>
    </message>
    <message>
        <source>Your letter text uses no such placeholder. Put one such as [Position] in it (Letter &gt; Edit Letter Text…), and it is listed here. Those of your own template are listed once a letter has been made from it.</source>
        <translation>Ihr Brieftext verwendet keinen solchen Platzhalter. Fügen Sie einen ein, etwa [Position] („Brief &gt; Brieftext bearbeiten…“), dann erscheint er hier. Die Platzhalter Ihrer eigenen Vorlage erscheinen, sobald ein Brief aus ihr erstellt wurde.</translation>
    </message>
    <message>
        <source>What fills [%1] in your letters</source>
        <translation>Was [%1] in Ihren Briefen füllt</translation>
    </message>
    <message>
        <source>%1

Your values were not all kept; the window stays open so that nothing you typed is lost.</source>
        <translation>%1

Ihre Werte wurden nicht alle übernommen; das Fenster bleibt offen, damit nichts von dem verloren geht, was Sie eingegeben haben.</translation>
    </message>
</context>
<context>
    <name>NoticeLine</name>
    <message>
        <source>Worth a look</source>
        <translation>Bitte prüfen</translation>
    </message>
</context>
<context>
    <name>PageArea</name>
    <message>
        <source>Page View</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>Shows the letter&apos;s page at the chosen zoom</source>
        <translation>Zeigt die Seite des Briefs im gewählten Zoom</translation>
    </message>
    <message>
        <source>Visible Area</source>
        <translation>Sichtbarer Bereich</translation>
    </message>
    <message>
        <source>The part of the view through which the page shows</source>
        <translation>Der Teil der Ansicht, in dem die Seite zu sehen ist</translation>
    </message>
    <message>
        <source>Horizontal Scroll</source>
        <translation>Horizontaler Bildlauf</translation>
    </message>
    <message>
        <source>Moves the page left and right</source>
        <translation>Bewegt die Seite nach links und rechts</translation>
    </message>
    <message>
        <source>Vertical Scroll</source>
        <translation>Vertikaler Bildlauf</translation>
    </message>
    <message>
        <source>Moves the page up and down</source>
        <translation>Bewegt die Seite nach oben und unten</translation>
    </message>
    <message>
        <source>Letter Page %1 of %2</source>
        <translation>Briefseite %1 von %2</translation>
    </message>
    <message>
        <source>Letter Page</source>
        <translation>Briefseite</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>, page %1 of %2</source>
        <translation>, Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. A page of the filled letter: the arrow keys, Page Up, Page Down, Home and End scroll it, or drag it</source>
        <translation>%1. Eine Seite des gefüllten Briefs: Pfeiltasten, Bild auf, Bild ab, Pos1 und Ende rollen sie, oder ziehen Sie sie</translation>
    </message>
    <message>
        <source>Largest zoom reached</source>
        <translation>Größter Zoom erreicht</translation>
    </message>
    <message>
        <source>Smallest zoom reached</source>
        <translation>Kleinster Zoom erreicht</translation>
    </message>
</context>
<context>
    <name>PaperSizeMenu</name>
    <message>
        <source>&amp;Paper Size</source>
        <translation>&amp;Papierformat</translation>
    </message>
    <message>
        <source>The paper the built-in letter is laid out on</source>
        <translation>Das Papier, auf dem der mitgelieferte Brief gesetzt wird</translation>
    </message>
    <message>
        <source>&amp;A4</source>
        <translation>&amp;A4</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on A4 paper (210 × 297 mm)</source>
        <translation>Den mitgelieferten Brief auf A4-Papier setzen (210 × 297 mm)</translation>
    </message>
    <message>
        <source>US &amp;Letter</source>
        <translation>US-&amp;Letter</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on US Letter paper (8.5 × 11 in)</source>
        <translation>Den mitgelieferten Brief auf US-Letter-Papier setzen (8,5 × 11 Zoll)</translation>
    </message>
</context>
<context>
    <name>PlaceholdersWindow</name>
    <message>
        <source>Placeholders</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>Filled with</source>
        <translation>Gefüllt mit</translation>
    </message>
    <message>
        <source>Each placeholder and what fills it, a row each</source>
        <translation>Jeder Platzhalter und was ihn füllt, je eine Zeile</translation>
    </message>
    <message>
        <source>How placeholders are matched</source>
        <translation>Wie Platzhalter erkannt werden</translation>
    </message>
    <message>
        <source>Letter case, where placeholders are filled, and your own fields</source>
        <translation>Groß- und Kleinschreibung, wo Platzhalter gefüllt werden, und Ihre eigenen Felder</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the office wrote nothing</source>
        <translation>Das Office-Programm hat nichts geschrieben</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file was already written or discarded</source>
        <translation>die Datei wurde bereits geschrieben oder verworfen</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full (%2).</source>
        <translation>Der Datenträger mit %1 ist voll (%2).</translation>
    </message>
    <message>
        <source>Cannot read the letter %1: %2</source>
        <translation>Der Brief %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>ist nicht vorhanden</translation>
    </message>
    <message>
        <source>is %1, not a regular file</source>
        <translation>ist %1, keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>is larger than %1</source>
        <translation>ist größer als %1</translation>
    </message>
    <message>
        <source>Cannot mark the folder %1 as in use: %2</source>
        <translation>Der Ordner %1 kann nicht als belegt markiert werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another running program</source>
        <translation>Der Ordner %1 wird von einem anderen laufenden Programm verwendet</translation>
    </message>
    <message>
        <source>The folder %1 was removed while it was being made</source>
        <translation>Der Ordner %1 wurde entfernt, während er angelegt wurde</translation>
    </message>
    <message>
        <source>Cannot write in %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot write in %1: its lock file keeps changing</source>
        <translation>In %1 kann nicht geschrieben werden: Seine Sperrdatei ändert sich ständig</translation>
    </message>
    <message>
        <source>Cannot create the scratch folder %1: %2</source>
        <translation>Der temporäre Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The scratch folder %1 is not a folder of your own; remove it or set the variable TMPDIR.</source>
        <translation>Der temporäre Ordner %1 gehört nicht Ihnen; entfernen Sie ihn oder setzen Sie die Variable TMPDIR.</translation>
    </message>
    <message>
        <source>The scratch folder %1 is open to other users; remove it or set the variable TMPDIR.</source>
        <translation>Der temporäre Ordner %1 ist für andere Benutzer offen; entfernen Sie ihn oder setzen Sie die Variable TMPDIR.</translation>
    </message>
    <message>
        <source>Cannot save your entries to %1: the file cannot be written.</source>
        <translation>Ihre Eingaben können nicht in %1 gespeichert werden: Die Datei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot save your entries to %1: it is %2, not a regular file.</source>
        <translation>Ihre Eingaben können nicht in %1 gespeichert werden: Es ist %2, keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Columns of the list:</source>
        <translation>Spalten der Liste:</translation>
    </message>
    <message>
        <source>fills nothing</source>
        <translation>füllt nichts</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>ignoriert</translation>
    </message>
    <message>
        <source>From the window&apos;s settings, in every letter:</source>
        <translation>Aus den Einstellungen des Fensters, in jedem Brief:</translation>
    </message>
    <message>
        <source>From More Fields, in every letter:</source>
        <translation>Aus „Weitere Felder“, in jedem Brief:</translation>
    </message>
    <message>
        <source>Empty in every letter:</source>
        <translation>In jedem Brief leer:</translation>
    </message>
    <message>
        <source>The letter of line %1, %2:</source>
        <translation>Der Brief aus Zeile %1, %2:</translation>
    </message>
    <message>
        <source>Dry run, nothing written: %1 of %2 rows would make a letter, %3 would fail.</source>
        <translation>Probelauf, nichts geschrieben: %1 von %2 Zeilen ergäben einen Brief, %3 würden fehlschlagen.</translation>
    </message>
    <message>
        <source>%1: it already exists</source>
        <translation>%1: ist bereits vorhanden</translation>
    </message>
    <message>
        <source>%1: they already exist</source>
        <translation>%1: sind bereits vorhanden</translation>
    </message>
    <message>
        <source>the office could not write the letter (%1)</source>
        <translation>Das Office-Programm konnte den Brief nicht schreiben (%1)</translation>
    </message>
    <message>
        <source>the office could not fill in the letter (%1)</source>
        <translation>Das Office-Programm konnte den Brief nicht ausfüllen (%1)</translation>
    </message>
    <message>
        <source>written %1; %2</source>
        <translation>%1 geschrieben; %2</translation>
    </message>
    <message>
        <source>Cannot start an office with the template: %1</source>
        <translation>Ein Office-Programm mit der Vorlage kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>An office could not be started: %1</source>
        <translation>Ein Office-Programm konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>An office could not be started again: %1</source>
        <translation>Ein Office-Programm konnte nicht erneut gestartet werden: %1</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; is ignored: it repeats another column or has no name.</source>
        <translation>Die Spalte „%1“ wird ignoriert: Sie wiederholt eine andere Spalte oder hat keinen Namen.</translation>
    </message>
    <message>
        <source>Columns &quot;%1&quot; are ignored: they repeat other columns or have no name.</source>
        <translation>Die Spalten „%1“ werden ignoriert: Sie wiederholen andere Spalten oder haben keinen Namen.</translation>
    </message>
    <message>
        <source>The list&apos;s columns are separated by semicolons.</source>
        <translation>Die Spalten der Liste sind durch Semikolons getrennt.</translation>
    </message>
    <message>
        <source>The list&apos;s columns are separated by tabs.</source>
        <translation>Die Spalten der Liste sind durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>--sheet: %1 is no spreadsheet (.xlsx, .xls or .ods)</source>
        <translation>--sheet: %1 ist keine Tabellenkalkulationsdatei (.xlsx, .xls oder .ods)</translation>
    </message>
    <message>
        <source>The template chosen in the window, %1, is %2, not a regular file; the built-in one is used.</source>
        <translation>Die im Fenster gewählte Vorlage %1 ist %2, keine reguläre Datei; die mitgelieferte wird verwendet.</translation>
    </message>
    <message>
        <source>The template chosen in the window, %1, is missing; the built-in one is used.</source>
        <translation>Die im Fenster gewählte Vorlage %1 fehlt; die mitgelieferte wird verwendet.</translation>
    </message>
    <message>
        <source>--paper: the template %1 keeps its own paper.</source>
        <translation>--paper: Die Vorlage %1 behält ihr eigenes Papierformat.</translation>
    </message>
    <message>
        <source>--strict: no letter is written, for the warnings above.</source>
        <translation>--strict: Wegen der Warnungen oben wird kein Brief geschrieben.</translation>
    </message>
    <message>
        <source>Spelling: &apos;%1&apos; and %2 more words may be misspelled in your letter text.</source>
        <translation>Rechtschreibung: „%1“ und %2 weitere Wörter in Ihrem Brieftext sind möglicherweise falsch geschrieben.</translation>
    </message>
    <message>
        <source>Spelling: &apos;%1&apos; may be misspelled in your letter text.</source>
        <translation>Rechtschreibung: „%1“ in Ihrem Brieftext ist möglicherweise falsch geschrieben.</translation>
    </message>
    <message>
        <source>line %1: skipped: the row is empty</source>
        <translation>Zeile %1: übersprungen: Die Zeile ist leer</translation>
    </message>
    <message>
        <source>line %1: failed: %2</source>
        <translation>Zeile %1: fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>1 row has nothing for its file name: its letter is named after its line in the list, &quot;%1&quot;.</source>
        <translation>1 Zeile hat nichts für ihren Dateinamen: Ihr Brief wird nach ihrer Zeile in der Liste benannt, „%1“.</translation>
    </message>
    <message>
        <source>%1 rows have nothing for their file names: each letter is named after its line in the list, such as &quot;%2&quot;.</source>
        <translation>%1 Zeilen haben nichts für ihre Dateinamen: Jeder Brief wird nach seiner Zeile in der Liste benannt, etwa „%2“.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write into %1: its lock file .tessaline-writer belongs to the user %2. Choose another folder, or have %2 remove it.</source>
        <translation>In %1 kann nicht geschrieben werden: Seine Sperrdatei .tessaline-writer gehört dem Benutzer %2. Wählen Sie einen anderen Ordner oder bitten Sie %2, sie zu entfernen.</translation>
    </message>
    <message>
        <source>Another batch is writing into %1 (process %2); wait for it to end.</source>
        <translation>Ein anderer Stapel schreibt in %1 (Prozess %2); warten Sie, bis er endet.</translation>
    </message>
    <message>
        <source>Another batch is writing into %1; wait for it to end.</source>
        <translation>Ein anderer Stapel schreibt in %1; warten Sie, bis er endet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no &quot;=&quot; (write COLUMN=PLACEHOLDER)</source>
        <translation>„%1“ enthält kein „=“ (schreiben Sie SPALTE=PLATZHALTER)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no column</source>
        <translation>„%1“ nennt keine Spalte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no placeholder</source>
        <translation>„%1“ nennt keinen Platzhalter</translation>
    </message>
    <message>
        <source>--columns: the list has no column &quot;%1&quot; (its columns: &quot;%2&quot;)</source>
        <translation>--columns: Die Liste hat keine Spalte „%1“ (ihre Spalten: „%2“)</translation>
    </message>
    <message>
        <source>[%1] (the recipient&apos;s; the sender&apos;s [%2] when the list has the recipient&apos;s own column or the name says &quot;Sender&quot; or &quot;Your&quot;)</source>
        <translation>[%1] (die des Empfängers; Ihre eigene [%2], wenn die Liste die eigene Spalte des Empfängers hat oder der Name „Sender“ oder „Your“ enthält)</translation>
    </message>
    <message>
        <source>the office did not answer within %1 seconds and was ended</source>
        <translation>Das Office-Programm hat nicht innerhalb von %1 Sekunden geantwortet und wurde beendet</translation>
    </message>
    <message>
        <source> No new letter is started; those in progress end.</source>
        <translation> Es wird kein neuer Brief begonnen; die laufenden werden beendet.</translation>
    </message>
    <message>
        <source>The letter template %1 holds none of the placeholders, such as [YourName] or [CompanyName], so none of the entries are in the letters. They are made all the same.</source>
        <translation>Die Briefvorlage %1 enthält keinen der Platzhalter wie [YourName] oder [CompanyName], daher steht keine der Eingaben in den Briefen. Sie werden trotzdem erstellt.</translation>
    </message>
    <message>
        <source>line %1: the office failed (%2); trying again on a fresh one</source>
        <translation>Zeile %1: Das Office-Programm ist fehlgeschlagen (%2); neuer Versuch mit einem frischen</translation>
    </message>
    <message>
        <source>line %1: written %2</source>
        <translation>Zeile %1: %2 geschrieben</translation>
    </message>
    <message>
        <source>line %1: skipped: %2 (--force replaces it)</source>
        <translation>Zeile %1: übersprungen: %2 (--force ersetzt die Datei)</translation>
    </message>
    <message>
        <source>Stopping: the letters in progress are finished, no new ones start.</source>
        <translation>Wird angehalten: Die laufenden Briefe werden fertiggestellt, keine neuen begonnen.</translation>
    </message>
    <message>
        <source>line %1: failed: no office could be started</source>
        <translation>Zeile %1: fehlgeschlagen: Es konnte kein Office-Programm gestartet werden</translation>
    </message>
    <message>
        <source>Stopped before the list was read: no letter written.</source>
        <translation>Angehalten, bevor die Liste gelesen wurde: kein Brief geschrieben.</translation>
    </message>
    <message>
        <source>The letter template %1 %2</source>
        <translation>Die Briefvorlage %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 written, %3 skipped, %4 failed</source>
        <translation>%1: %2 geschrieben, %3 übersprungen, %4 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Angehalten. </translation>
    </message>
    <message>
        <source>, %1 not done</source>
        <translation>, %1 nicht erledigt</translation>
    </message>
    <message>
        <source>Stopped: the disk is full. </source>
        <translation>Angehalten: Der Datenträger ist voll. </translation>
    </message>
    <message>
        <source>Cannot read the list: out of memory</source>
        <translation>Die Liste kann nicht gelesen werden: nicht genug Speicher</translation>
    </message>
    <message>
        <source>line %1: a quote is misplaced or never closed (a field that holds quotes must be quoted, with each quote doubled)</source>
        <translation>Zeile %1: Ein Anführungszeichen steht falsch oder wird nie geschlossen (ein Feld mit Anführungszeichen muss in Anführungszeichen stehen, jedes davon verdoppelt)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a list</source>
        <translation>Es ist ein Ordner, keine Liste</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>Sie ist größer als %1</translation>
    </message>
    <message>
        <source>it is not UTF-8 text (save it from the spreadsheet as &quot;CSV UTF-8&quot;)</source>
        <translation>Sie ist kein UTF-8-Text (speichern Sie sie aus der Tabellenkalkulation als „CSV UTF-8“)</translation>
    </message>
    <message>
        <source>it has no header row naming the columns</source>
        <translation>Sie hat keine Kopfzeile, die die Spalten benennt</translation>
    </message>
    <message>
        <source>line %1: a column&apos;s name holds a NUL character (is it a text file?)</source>
        <translation>Zeile %1: Der Name einer Spalte enthält ein NUL-Zeichen (ist es eine Textdatei?)</translation>
    </message>
    <message>
        <source>(a column without a name)</source>
        <translation>(eine Spalte ohne Namen)</translation>
    </message>
    <message>
        <source>the row has %1 fields, the header has %2</source>
        <translation>Die Zeile hat %1 Felder, die Kopfzeile %2</translation>
    </message>
    <message>
        <source>the field of column &quot;%1&quot; holds a NUL character (is the list a text file?)</source>
        <translation>Das Feld der Spalte „%1“ enthält ein NUL-Zeichen (ist die Liste eine Textdatei?)</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Column %1 fills the recipient&apos;s %2: its name does not say whose address it holds, and the list has no recipient&apos;s column of its own for it (--columns &quot;%3&quot; would make it yours).</source>
        <translation>Die Spalte %1 füllt %2 des Empfängers: Ihr Name sagt nicht, wessen Anschrift sie enthält, und die Liste hat dafür keine eigene Spalte des Empfängers (--columns „%3“ würde sie zu Ihrer machen).</translation>
    </message>
    <message>
        <source>Columns %1 fill the recipient&apos;s %2: their names do not say whose address they hold, and the list has no recipient&apos;s columns of its own for them (--columns &quot;%3&quot; would make one yours).</source>
        <translation>Die Spalten %1 füllen %2 des Empfängers: Ihre Namen sagen nicht, wessen Anschrift sie enthalten, und die Liste hat dafür keine eigenen Spalten des Empfängers (--columns „%3“ würde eine davon zu Ihrer machen).</translation>
    </message>
    <message>
        <source>Column %1 fills your own %2 in every letter, in place of what the window stores (--columns &quot;%3&quot; would make it the recipient&apos;s).</source>
        <translation>Die Spalte %1 füllt Ihr eigenes Feld %2 in jedem Brief, anstelle dessen, was das Fenster gespeichert hat (--columns „%3“ würde sie zu der des Empfängers machen).</translation>
    </message>
    <message>
        <source>Columns %1 fill your own %2 in every letter, in place of what the window stores (--columns &quot;%3&quot; would make one the recipient&apos;s).</source>
        <translation>Die Spalten %1 füllen Ihre eigenen Felder %2 in jedem Brief, anstelle dessen, was das Fenster gespeichert hat (--columns „%3“ würde eine davon zu der des Empfängers machen).</translation>
    </message>
    <message>
        <source>the name pattern has a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>Das Namensmuster hat eine „{“ ohne ihre „}“</translation>
    </message>
    <message>
        <source>the name pattern&apos;s {%1} names no placeholder</source>
        <translation>{%1} im Namensmuster nennt keinen Platzhalter</translation>
    </message>
    <message>
        <source>the name pattern&apos;s {%1} names no field of the letter and no column of the list</source>
        <translation>{%1} im Namensmuster nennt kein Feld des Briefs und keine Spalte der Liste</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Brief %1</translation>
    </message>
    <message>
        <source>the list has no column that fills a placeholder</source>
        <translation>Die Liste hat keine Spalte, die einen Platzhalter füllt</translation>
    </message>
    <message>
        <source>the list&apos;s columns: %1</source>
        <translation>Die Spalten der Liste: %1</translation>
    </message>
    <message>
        <source>--columns &quot;%1&quot;: neither the letter nor the name pattern uses [%2], so the column would fill nothing.</source>
        <translation>--columns „%1“: Weder der Brief noch das Namensmuster verwendet [%2], die Spalte würde also nichts füllen.</translation>
    </message>
    <message>
        <source>%1 would be empty in every letter: your own words use it, and no column of the list fills it (%2). Add the column, map one to it with --columns &quot;COLUMN=%3&quot;, or let it be empty with --allow-empty %3.</source>
        <translation>%1 wäre in jedem Brief leer: Ihr eigener Wortlaut verwendet es, und keine Spalte der Liste füllt es (%2). Fügen Sie die Spalte hinzu, ordnen Sie ihm mit --columns „SPALTE=%3“ eine zu oder lassen Sie es mit --allow-empty %3 leer.</translation>
    </message>
    <message>
        <source>%1 would be empty in every letter: your own words use them, and no column of the list fills them (%2). Add the columns, map them with --columns, or let them be empty with --allow-empty %3.</source>
        <translation>%1 wären in jedem Brief leer: Ihr eigener Wortlaut verwendet sie, und keine Spalte der Liste füllt sie (%2). Fügen Sie die Spalten hinzu, ordnen Sie sie mit --columns zu oder lassen Sie sie mit --allow-empty %3 leer.</translation>
    </message>
    <message>
        <source>The letter&apos;s %1 would stand as written in every letter: no column of the list fills it and nothing is stored for it (%2). Add the column, or let it be empty with --allow-empty %3.</source>
        <translation>%1 des Briefs bliebe in jedem Brief unverändert stehen: Keine Spalte der Liste füllt es, und dafür ist nichts gespeichert (%2). Fügen Sie die Spalte hinzu oder lassen Sie es mit --allow-empty %3 leer.</translation>
    </message>
    <message>
        <source>The letter&apos;s %1 would stand as written in every letter: no column of the list fills them and nothing is stored for them (%2). Add the columns, or let them be empty with --allow-empty %3.</source>
        <translation>%1 des Briefs blieben in jedem Brief unverändert stehen: Keine Spalte der Liste füllt sie, und dafür ist nichts gespeichert (%2). Fügen Sie die Spalten hinzu oder lassen Sie sie mit --allow-empty %3 leer.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter: the list has no column for it and nothing is stored for it.</source>
        <translation>%1 wird in jedem Brief leer sein: Die Liste hat keine Spalte dafür, und dafür ist nichts gespeichert.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter: the list has no column for them and nothing is stored for them.</source>
        <translation>%1 werden in jedem Brief leer sein: Die Liste hat keine Spalten dafür, und dafür ist nichts gespeichert.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter (--allow-empty): nothing fills it.</source>
        <translation>%1 wird in jedem Brief leer sein (--allow-empty): Nichts füllt es.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter (--allow-empty): nothing fills them.</source>
        <translation>%1 werden in jedem Brief leer sein (--allow-empty): Nichts füllt sie.</translation>
    </message>
    <message>
        <source>Column %1 fills nothing: the letter has no such placeholder and the name pattern does not use it.</source>
        <translation>Die Spalte %1 füllt nichts: Der Brief hat keinen solchen Platzhalter, und das Namensmuster verwendet ihn nicht.</translation>
    </message>
    <message>
        <source>Columns %1 fill nothing: the letter has no such placeholders and the name pattern uses none of them.</source>
        <translation>Die Spalten %1 füllen nichts: Der Brief hat keine solchen Platzhalter, und das Namensmuster verwendet keinen davon.</translation>
    </message>
    <message>
        <source>[%1] is &quot;%2&quot; in every letter, from More Fields, while the list&apos;s column %3 fills nothing (--columns &quot;%4=%1&quot; fills it from the list).</source>
        <translation>[%1] ist in jedem Brief „%2“, aus „Weitere Felder“, während die Spalte %3 der Liste nichts füllt (--columns „%4=%1“ füllt ihn aus der Liste).</translation>
    </message>
    <message>
        <source>[%1] is &quot;%2&quot; in every letter, from More Fields, while the list&apos;s columns %3 fill nothing (--columns &quot;%4=%1&quot; fills it from one).</source>
        <translation>[%1] ist in jedem Brief „%2“, aus „Weitere Felder“, während die Spalten %3 der Liste nichts füllen (--columns „%4=%1“ füllt ihn aus einer davon).</translation>
    </message>
    <message>
        <source>The list %1 %2.</source>
        <translation>Die Liste %1 %2.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>is an empty file, not a spreadsheet</source>
        <translation>ist eine leere Datei, keine Tabelle</translation>
    </message>
    <message>
        <source>Cannot write in the scratch folder %1: %2</source>
        <translation>In den temporären Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the list %1: %2</source>
        <translation>Die Liste %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the list %1: the office did not write its sheet &quot;%2&quot; (%3)</source>
        <translation>Die Liste %1 kann nicht gelesen werden: Das Office-Programm hat ihr Tabellenblatt „%2“ nicht geschrieben (%3)</translation>
    </message>
    <message>
        <source>[%1] has no value</source>
        <translation>[%1] hat keinen Wert</translation>
    </message>
    <message>
        <source>[%1] is empty</source>
        <translation>[%1] ist leer</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and %2 more words may be misspelled</source>
        <translation>„%1“ und %2 weitere Wörter sind möglicherweise falsch geschrieben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; may be misspelled</source>
        <translation>„%1“ ist möglicherweise falsch geschrieben</translation>
    </message>
    <message>
        <source>the letter&apos;s body is still the sample text</source>
        <translation>Der Text des Briefs ist noch der Beispieltext</translation>
    </message>
    <message>
        <source>Your Name is empty</source>
        <translation>Ihr Name ist leer</translation>
    </message>
    <message>
        <source>Recipient Company Name is empty</source>
        <translation>Die Firma des Empfängers ist leer</translation>
    </message>
    <message>
        <source>The built-in letter template is missing from the program</source>
        <translation>Die mitgelieferte Briefvorlage fehlt im Programm</translation>
    </message>
    <message>
        <source>No letter was made. Put the file right, choose another one with Letter &gt; Use My Own Template…, or go back to Letter &gt; Built-in Letter.</source>
        <translation>Es wurde kein Brief erstellt. Bringen Sie die Datei in Ordnung, wählen Sie mit „Brief &gt; Eigene Vorlage verwenden…“ eine andere oder kehren Sie zu „Brief &gt; Mitgelieferter Brief“ zurück.</translation>
    </message>
    <message>
        <source>Your letter template %1 %2

%3</source>
        <translation>Ihre Briefvorlage %1 %2

%3</translation>
    </message>
    <message>
        <source>Letter templates (*.doc *.docx *.dot *.dotx *.odt *.ott *.rtf)</source>
        <translation>Briefvorlagen (*.doc *.docx *.dot *.dotx *.odt *.ott *.rtf)</translation>
    </message>
    <message>
        <source>Word documents and templates (*.doc *.docx *.dot *.dotx)</source>
        <translation>Word-Dokumente und -Vorlagen (*.doc *.docx *.dot *.dotx)</translation>
    </message>
    <message>
        <source>OpenDocument texts and templates (*.odt *.ott)</source>
        <translation>OpenDocument-Texte und -Vorlagen (*.odt *.ott)</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Rich Text Format (*.rtf)</translation>
    </message>
    <message>
        <source>is gone: it may have been moved, renamed or deleted.</source>
        <translation>ist nicht mehr da: Sie wurde vielleicht verschoben, umbenannt oder gelöscht.</translation>
    </message>
    <message>
        <source>: no letter template is that large.</source>
        <translation>: Keine Briefvorlage ist so groß.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>is an empty file, not a document.</source>
        <translation>ist eine leere Datei, kein Dokument.</translation>
    </message>
    <message>
        <source>Cannot replace the old template copy %1</source>
        <translation>Die alte Kopie der Vorlage %1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>is protected by a password. Save a copy of it without the password and choose that one.</source>
        <translation>ist durch ein Kennwort geschützt. Speichern Sie eine Kopie ohne Kennwort und wählen Sie diese aus.</translation>
    </message>
    <message>
        <source>is not a document the word processor can open. Letter templates are Word (.doc, .docx, .dot, .dotx), OpenDocument (.odt, .ott) or RTF files.</source>
        <translation>ist kein Dokument, das die Textverarbeitung öffnen kann. Briefvorlagen sind Word- (.doc, .docx, .dot, .dotx), OpenDocument- (.odt, .ott) oder RTF-Dateien.</translation>
    </message>
    <message>
        <source>is too large or too slow to open: the word processor did not finish reading it within %1 seconds.</source>
        <translation>ist zu groß oder zu langsam zum Öffnen: Die Textverarbeitung hat sie nicht innerhalb von %1 Sekunden gelesen.</translation>
    </message>
    <message>
        <source>is too large or too complex to fill in (tables nested very deep, say): the word processor did not finish within %1 seconds.</source>
        <translation>ist zu groß oder zu komplex zum Ausfüllen (etwa sehr tief verschachtelte Tabellen): Die Textverarbeitung ist nicht innerhalb von %1 Sekunden fertig geworden.</translation>
    </message>
    <message>
        <source>Your letter template %1 holds none of the placeholders, such as [YourName] or [CompanyName], so none of your entries are in the letter. It was made all the same.

Help &gt; Placeholders… lists them all.</source>
        <translation>Ihre Briefvorlage %1 enthält keinen der Platzhalter wie [YourName] oder [CompanyName], daher steht keine Ihrer Eingaben im Brief. Er wurde trotzdem erstellt.

„Hilfe &gt; Platzhalter…“ listet sie alle auf.</translation>
    </message>
    <message>
        <source>Your letter text %1 cannot be read: %2.

The letter has the built-in text instead. Letter &gt; Edit Letter Text… writes your text anew.</source>
        <translation>Ihr Brieftext %1 kann nicht gelesen werden: %2.

Der Brief enthält stattdessen den mitgelieferten Text. „Brief &gt; Brieftext bearbeiten…“ schreibt Ihren Text neu.</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>es ist ein Verweis auf eine Datei, die nicht existiert</translation>
    </message>
    <message>
        <source>it %1</source>
        <translation>es %1</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>es ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>Cannot write %1: its folder cannot be made</source>
        <translation>%1 kann nicht geschrieben werden: Sein Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write %1: the picture cannot be encoded</source>
        <translation>%1 kann nicht geschrieben werden: Das Bild kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>es ist größer als 1 MB</translation>
    </message>
    <message>
        <source>Spelling is not checked: no %1 dictionary is installed (the package %2 has one).</source>
        <translation>Die Rechtschreibung wird nicht geprüft: Es ist kein Wörterbuch für %1 installiert (das Paket %2 enthält eines).</translation>
    </message>
    <message>
        <source>Cannot add “%1” to your word list %2: %3.</source>
        <translation>„%1“ kann nicht zu Ihrer Wortliste %2 hinzugefügt werden: %3.</translation>
    </message>
    <message>
        <source>DisplayAlerts</source>
        <translation>DisplayAlerts</translation>
    </message>
    <message>
        <source>ActiveDocument</source>
        <translation>ActiveDocument</translation>
    </message>
    <message>
        <source>No document is open in the office</source>
        <translation>Im Office-Programm ist kein Dokument geöffnet</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>quit</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Cannot open %1: no such file</source>
        <translation>%1 kann nicht geöffnet werden: Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Cannot open %1: it is protected by a password</source>
        <translation>%1 kann nicht geöffnet werden: Sie ist durch ein Kennwort geschützt</translation>
    </message>
    <message>
        <source>Cannot open %1: the office cannot read it</source>
        <translation>%1 kann nicht geöffnet werden: Das Office-Programm kann sie nicht lesen</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Open %1</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not a text document</source>
        <translation>%1 kann nicht geöffnet werden: Sie ist kein Textdokument</translation>
    </message>
    <message>
        <source>ReplaceBody</source>
        <translation>ReplaceBody</translation>
    </message>
    <message>
        <source>The letter has no body between a greeting and a closing</source>
        <translation>Der Brief hat keinen Text zwischen Anrede und Grußformel</translation>
    </message>
    <message>
        <source>HeaderFields</source>
        <translation>HeaderFields</translation>
    </message>
    <message>
        <source>EditParagraphs</source>
        <translation>EditParagraphs</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>HasText</source>
        <translation>HasText</translation>
    </message>
    <message>
        <source>TextRange</source>
        <translation>TextRange</translation>
    </message>
    <message>
        <source>The shape holds no text</source>
        <translation>Die Form enthält keinen Text</translation>
    </message>
    <message>
        <source>StoryRanges</source>
        <translation>StoryRanges</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Shapes</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>SaveAs</translation>
    </message>
    <message>
        <source>SaveAs %1</source>
        <translation>SaveAs %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Export %1</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>BuiltInDocumentProperties</source>
        <translation>BuiltInDocumentProperties</translation>
    </message>
    <message>
        <source>TableStyles</source>
        <translation>TableStyles</translation>
    </message>
    <message>
        <source>PageSetup</source>
        <translation>PageSetup</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>PageCount</source>
        <translation>PageCount</translation>
    </message>
    <message>
        <source>RenderPage</source>
        <translation>RenderPage</translation>
    </message>
    <message>
        <source>The office cannot go on: the document is closed</source>
        <translation>Das Office-Programm kann nicht weitermachen: Das Dokument ist geschlossen</translation>
    </message>
    <message>
        <source>The office cannot go on: it has been ended</source>
        <translation>Das Office-Programm kann nicht weitermachen: Es wurde beendet</translation>
    </message>
    <message>
        <source>The letter has no page %1</source>
        <translation>Der Brief hat keine Seite %1</translation>
    </message>
    <message>
        <source>The office made no picture of page %1</source>
        <translation>Das Office-Programm hat kein Bild von Seite %1 erzeugt</translation>
    </message>
    <message>
        <source>The template must be opened afresh before it is filled again</source>
        <translation>Die Vorlage muss neu geöffnet werden, bevor sie erneut gefüllt wird</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Wildcards, sounds-like and word-form matching are not available in a search</source>
        <translation>Platzhalterzeichen, Ähnlichkeitssuche und Wortformensuche stehen bei einer Suche nicht zur Verfügung</translation>
    </message>
    <message>
        <source>has no sheet named &quot;%1&quot;; its sheets are %2</source>
        <translation>hat kein Tabellenblatt namens „%1“; seine Tabellenblätter sind %2</translation>
    </message>
    <message>
        <source>has nothing in sheet &quot;%1&quot;</source>
        <translation>hat nichts im Tabellenblatt „%1“</translation>
    </message>
    <message>
        <source>has an empty first row in sheet &quot;%1&quot;: the first row must name the columns</source>
        <translation>hat eine leere erste Zeile im Tabellenblatt „%1“: Die erste Zeile muss die Spalten benennen</translation>
    </message>
    <message>
        <source>has merged cells (%1) in the first row of sheet &quot;%2&quot;: each column needs its name in a cell of its own</source>
        <translation>hat verbundene Zellen (%1) in der ersten Zeile des Tabellenblatts „%2“: Jede Spalte braucht ihren Namen in einer eigenen Zelle</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Sheet as CSV %1</source>
        <translation>Sheet as CSV %1</translation>
    </message>
    <message>
        <source>is protected by a password; save it without one first</source>
        <translation>ist durch ein Kennwort geschützt; speichern Sie sie zuerst ohne Kennwort</translation>
    </message>
    <message>
        <source>cannot be read as a spreadsheet: it may be damaged, or another kind of file</source>
        <translation>kann nicht als Tabelle gelesen werden: Sie ist vielleicht beschädigt oder eine andere Art von Datei</translation>
    </message>
    <message>
        <source>is not a spreadsheet (the office reads it as another kind of document)</source>
        <translation>ist keine Tabelle (das Office-Programm liest sie als eine andere Art von Dokument)</translation>
    </message>
    <message>
        <source>The office did not write the sheet &quot;%1&quot; as CSV</source>
        <translation>Das Office-Programm hat das Tabellenblatt „%1“ nicht als CSV geschrieben</translation>
    </message>
    <message>
        <source>%1 is not a valid path</source>
        <translation>%1 ist kein gültiger Pfad</translation>
    </message>
    <message>
        <source>The office could not be started: %1</source>
        <translation>Das Office-Programm konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The office did not answer within %1 seconds and has been stopped</source>
        <translation>Das Office-Programm hat nicht innerhalb von %1 Sekunden geantwortet und wurde angehalten</translation>
    </message>
    <message>
        <source>Cannot connect to the office: %1</source>
        <translation>Keine Verbindung zum Office-Programm: %1</translation>
    </message>
    <message>
        <source>The office did not answer within %1 seconds</source>
        <translation>Das Office-Programm hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>The office runs without its jail on this computer (bubblewrap is missing or not allowed): only its settings keep a template&apos;s links from your files and the network. Installing bubblewrap (package &quot;bubblewrap&quot;) puts it in its jail.</source>
        <translation>Das Office-Programm läuft auf diesem Computer ohne seine Sandbox (bubblewrap fehlt oder ist nicht erlaubt): Nur seine Einstellungen halten die Verweise einer Vorlage von Ihren Dateien und dem Netzwerk fern. Die Installation von bubblewrap (Paket „bubblewrap“) setzt es in seine Sandbox.</translation>
    </message>
    <message>
        <source>No letter is made: the office cannot run in its jail on this computer (bubblewrap is missing or not allowed), and RequireJail asks for it. Install bubblewrap (package &quot;bubblewrap&quot;), or set RequireJail=false to let the office run without it.</source>
        <translation>Es wird kein Brief erstellt: Das Office-Programm kann auf diesem Computer nicht in seiner Sandbox laufen (bubblewrap fehlt oder ist nicht erlaubt), und RequireJail verlangt sie. Installieren Sie bubblewrap (Paket „bubblewrap“) oder setzen Sie RequireJail=false, damit es ohne Sandbox läuft.</translation>
    </message>
    <message>
        <source>The office did not start within %1 seconds and has been stopped</source>
        <translation>Das Office-Programm ist nicht innerhalb von %1 Sekunden gestartet und wurde angehalten</translation>
    </message>
    <message>
        <source>The office was not needed any more</source>
        <translation>Das Office-Programm wurde nicht mehr gebraucht</translation>
    </message>
    <message>
        <source>No LibreOffice installation was found.</source>
        <translation>Es wurde keine LibreOffice-Installation gefunden.</translation>
    </message>
    <message>
        <source>the office program could not be run: %1</source>
        <translation>Das Office-Programm konnte nicht ausgeführt werden: %1</translation>
    </message>
    <message>
        <source>the office process crashed</source>
        <translation>Der Office-Prozess ist abgestürzt</translation>
    </message>
    <message>
        <source>the office process ended with code %1</source>
        <translation>Der Office-Prozess wurde mit Code %1 beendet</translation>
    </message>
    <message>
        <source>Cannot create a profile folder for the office: %1</source>
        <translation>Für das Office-Programm kann kein Profilordner angelegt werden: %1</translation>
    </message>
    <message>
        <source>Cannot reach the office&apos;s connection in %1</source>
        <translation>Die Verbindung des Office-Programms in %1 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the office&apos;s settings folder %1</source>
        <translation>Der Einstellungsordner %1 des Office-Programms kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The office is no longer running</source>
        <translation>Das Office-Programm läuft nicht mehr</translation>
    </message>
    <message>
        <source>it gave no reason</source>
        <translation>Es hat keinen Grund genannt</translation>
    </message>
    <message>
        <source>The office could not go on: %1</source>
        <translation>Das Office-Programm konnte nicht weitermachen: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export as Word 97-2003 (.doc)</source>
        <translation>Als Word 97-2003 (.doc) exportieren</translation>
    </message>
    <message>
        <source>Export as Word 2007-365 (.docx)</source>
        <translation>Als Word 2007-365 (.docx) exportieren</translation>
    </message>
    <message>
        <source>Export as OpenDocument (.odt)</source>
        <translation>Als OpenDocument (.odt) exportieren</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Exporting the letter to %1…</source>
        <translation>Der Brief wird nach %1 exportiert…</translation>
    </message>
    <message>
        <source>The letter could not be exported to %1.</source>
        <translation>Der Brief konnte nicht nach %1 exportiert werden.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Printing the letter…</source>
        <translation>Der Brief wird gedruckt…</translation>
    </message>
    <message>
        <source>The letter could not be printed.</source>
        <translation>Der Brief konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Printing the letter to %1…</source>
        <translation>Der Brief wird in %1 gedruckt…</translation>
    </message>
    <message>
        <source>The letter could not be printed to %1.</source>
        <translation>Der Brief konnte nicht in %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>The office wrote no complete %1 file</source>
        <translation>Das Office-Programm hat keine vollständige %1-Datei geschrieben</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Word-Dateien (*.doc)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Scrolls where the screen is too small for the window</source>
        <translation>Rollt, wo der Bildschirm für das Fenster zu klein ist</translation>
    </message>
    <message>
        <source>Contents, up and down</source>
        <translation>Inhalt, vertikal</translation>
    </message>
    <message>
        <source>Scrolls the window&apos;s contents up and down</source>
        <translation>Rollt den Inhalt des Fensters nach oben und unten</translation>
    </message>
    <message>
        <source>Contents, sideways</source>
        <translation>Inhalt, horizontal</translation>
    </message>
    <message>
        <source>Scrolls the window&apos;s contents sideways</source>
        <translation>Rollt den Inhalt des Fensters zur Seite</translation>
    </message>
    <message>
        <source>The application icon is missing from the program</source>
        <translation>Das Programmsymbol fehlt im Programm</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>%1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>Cannot load %1: not a cursor file</source>
        <translation>%1 kann nicht geladen werden: keine Cursordatei</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>your City</source>
        <translation>Ihr Ort</translation>
    </message>
    <message>
        <source>the recipient&apos;s Zip Code</source>
        <translation>die Postleitzahl des Empfängers</translation>
    </message>
    <message>
        <source>the recipient&apos;s State</source>
        <translation>der Bundesstaat des Empfängers</translation>
    </message>
    <message>
        <source>the recipient&apos;s Street Address</source>
        <translation>die Straße des Empfängers</translation>
    </message>
    <message>
        <source>the recipient&apos;s City</source>
        <translation>der Ort des Empfängers</translation>
    </message>
    <message>
        <source>your Street Address</source>
        <translation>Ihre Straße</translation>
    </message>
    <message>
        <source>the Recipient Name</source>
        <translation>der Name des Empfängers</translation>
    </message>
    <message>
        <source>your State</source>
        <translation>Ihr Bundesstaat</translation>
    </message>
    <message>
        <source>your Zip Code</source>
        <translation>Ihre Postleitzahl</translation>
    </message>
    <message>
        <source>the recipient&apos;s Title</source>
        <translation>die Position des Empfängers</translation>
    </message>
    <message>
        <source>the Company Name</source>
        <translation>der Firmenname</translation>
    </message>
    <message>
        <source>the date of the letter, such as &quot;March 3, 2026&quot;</source>
        <translation>das Datum des Briefs, etwa „3. März 2026“</translation>
    </message>
    <message>
        <source>Your Phone, set in Letter &gt; Edit Letter Text…</source>
        <translation>Ihre Telefonnummer, festgelegt unter „Brief &gt; Brieftext bearbeiten…“</translation>
    </message>
    <message>
        <source>Your E-mail, set in Letter &gt; Edit Letter Text…</source>
        <translation>Ihre E-Mail-Adresse, festgelegt unter „Brief &gt; Brieftext bearbeiten…“</translation>
    </message>
    <message>
        <source>Your Country, set in Letter &gt; Edit Letter Text…</source>
        <translation>Ihr Land, festgelegt unter „Brief &gt; Brieftext bearbeiten…“</translation>
    </message>
    <message>
        <source>The Recipient&apos;s Country, set in Letter &gt; Edit Letter Text…</source>
        <translation>Das Land des Empfängers, festgelegt unter „Brief &gt; Brieftext bearbeiten…“</translation>
    </message>
    <message>
        <source>A letter template holds placeholders, which are filled with your entries:</source>
        <translation>Eine Briefvorlage enthält Platzhalter, die mit Ihren Eingaben gefüllt werden:</translation>
    </message>
    <message>
        <source>&lt;p&gt;A placeholder is the name in square brackets, as listed, in any letter case: [yourname] and [YOURNAME] are filled too. It is filled wherever it stands: in the body, headers, footers, tables and text boxes, even when part of it is formatted differently. Each placeholder ends with its bracket, so [City] never matches inside [City2]. An empty field leaves its placeholder empty; text around it stays as you wrote it. An empty Recipient Name is filled as &quot;Hiring Manager&quot; (in a French, German, Spanish or Japanese letter, that language&apos;s words), so the letter reads &quot;Dear Hiring Manager:&quot;.&lt;/p&gt;&lt;p&gt;In a list of letters (tessaline --batch), a column of any other name fills the placeholder of that name: a column &quot;Position&quot; fills [Position]. In the window, Letter &amp;gt; More Fields… gives such a placeholder its value.&lt;/p&gt;&lt;p&gt;To put the built-in letter in your own words, choose Letter &amp;gt; Edit Letter Text…; placeholders work there too. For a letter laid out your own way, choose Letter &amp;gt; Save Built-in Letter As…, change the text around the placeholders in your word processor, and choose the file with Letter &amp;gt; Use My Own Template….&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ein Platzhalter ist der Name in eckigen Klammern, wie aufgeführt, in beliebiger Groß- und Kleinschreibung: [yourname] und [YOURNAME] werden ebenfalls gefüllt. Er wird gefüllt, wo immer er steht: im Text, in Kopf- und Fußzeilen, Tabellen und Textfeldern, auch wenn ein Teil davon anders formatiert ist. Jeder Platzhalter endet mit seiner Klammer, daher passt [City] nie innerhalb von [City2]. Ein leeres Feld lässt seinen Platzhalter leer; der Text darum bleibt, wie Sie ihn geschrieben haben. Ein leerer Empfängername wird als „Hiring Manager“ gefüllt (in einem französischen, deutschen, spanischen oder japanischen Brief mit den Worten dieser Sprache), sodass der Brief „Dear Hiring Manager:“ lautet.&lt;/p&gt;&lt;p&gt;In einer Liste von Briefen (tessaline --batch) füllt eine Spalte mit beliebigem anderen Namen den gleichnamigen Platzhalter: Eine Spalte „Position“ füllt [Position]. Im Fenster gibt „Brief &amp;gt; Weitere Felder…“ einem solchen Platzhalter seinen Wert.&lt;/p&gt;&lt;p&gt;Um den mitgelieferten Brief in eigenen Worten zu schreiben, wählen Sie „Brief &amp;gt; Brieftext bearbeiten…“; auch dort funktionieren Platzhalter. Für einen Brief mit eigenem Layout wählen Sie „Brief &amp;gt; Mitgelieferten Brief speichern unter…“, ändern den Text um die Platzhalter in Ihrer Textverarbeitung und wählen die Datei mit „Brief &amp;gt; Eigene Vorlage verwenden…“ aus.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LibreOffice (its version is still being asked)</source>
        <translation>LibreOffice (seine Version wird noch abgefragt)</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>keine gefunden</translation>
    </message>
    <message>
        <source>%1 %2
Cover letters from twelve short fields.

Word processor: %3
Settings: %4
Scratch files: %5</source>
        <translation>%1 %2
Bewerbungsschreiben aus zwölf kurzen Feldern.

Textverarbeitung: %3
Einstellungen: %4
Temporäre Dateien: %5</translation>
    </message>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>Fehler 842001. Eine normale Instanz von Word konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. Bitte stellen Sie sicher, dass Word auf diesem Computer installiert ist.</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Bitte öffnen Sie Word normal und stellen Sie sicher, dass sich sofort ein leeres Dokument öffnet, ohne dass ein Fenster dazwischenkommt (etwa ein Fenster zur Wiederherstellung von Word-Dateien).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. Bitte stellen Sie sicher, dass sich Word bei einem Doppelklick auf eine DOC- oder DOCX-Datei normal öffnet, ohne dass Meldungen dazwischenkommen.</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. Alle Versionen von Word werden von dieser Software unterstützt, außer den seltenen Editionen Word Starter und Student.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>The skin component has no member %1</source>
        <translation>Die Skin-Komponente hat kein Element %1</translation>
    </message>
    <message>
        <source>LoadSkin needs the skin file&apos;s path</source>
        <translation>LoadSkin braucht den Pfad der Skin-Datei</translation>
    </message>
    <message>
        <source>The skin is locked: it has been applied already</source>
        <translation>Die Skin ist gesperrt: Sie wurde bereits angewendet</translation>
    </message>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Die Skin %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>ApplyWindow needs a window handle</source>
        <translation>ApplyWindow braucht ein Fensterhandle</translation>
    </message>
    <message>
        <source>ApplyWindow: no window has the handle %1</source>
        <translation>ApplyWindow: Kein Fenster hat das Handle %1</translation>
    </message>
    <message>
        <source>%1 letters/s</source>
        <translation>%1 Briefe/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already exists; --force replaces it.</source>
        <translation>%1 ist bereits vorhanden; --force ersetzt die Datei.</translation>
    </message>
    <message>
        <source>%1 is not written: the run stopped.</source>
        <translation>%1 wird nicht geschrieben: Der Lauf wurde angehalten.</translation>
    </message>
    <message>
        <source>%1 is not written: no letter was made.</source>
        <translation>%1 wird nicht geschrieben: Es wurde kein Brief erstellt.</translation>
    </message>
    <message>
        <source>%1 is not written: no office is left to write it.</source>
        <translation>%1 wird nicht geschrieben: Es ist kein Office-Programm mehr übrig, um die Datei zu schreiben.</translation>
    </message>
    <message>
        <source>%1 is not written: %2</source>
        <translation>%1 wird nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>Written %1.</source>
        <translation>%1 geschrieben.</translation>
    </message>
    <message>
        <source>Written %1, without the rows that made no letter (list lines: %2).</source>
        <translation>%1 geschrieben, ohne die Zeilen, die keinen Brief ergeben haben (Zeilen der Liste: %2).</translation>
    </message>
    <message>
        <source>it appeared while the run wrote it, and is kept (--force replaces it)</source>
        <translation>Eine Datei dieses Namens ist erschienen, während der Lauf sie schrieb, und bleibt erhalten (--force ersetzt sie)</translation>
    </message>
    <message>
        <source>into %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Recipient</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Stelle</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>gedruckt</translation>
    </message>
    <message>
        <source>The record of letters cannot be read: %1.</source>
        <translation>Das Briefprotokoll kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No letter is in the record yet.</source>
        <translation>Das Briefprotokoll enthält noch keinen Brief.</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a record of letters</source>
        <translation>%1 ist beschädigt oder kein Briefprotokoll</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full (%2)</source>
        <translation>Der Datenträger mit %1 ist voll (%2)</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation>Der Datenträger mit %1 ist voll</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The letter was written, but the record of letters could not be kept: %1.</source>
        <translation>Der Brief wurde geschrieben, konnte aber nicht ins Briefprotokoll eingetragen werden: %1.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing</source>
        <translation>Der SQLite-Treiber von Qt fehlt</translation>
    </message>
    <message>
        <source>InsertFile %1</source>
        <translation>InsertFile %1</translation>
    </message>
    <message>
        <source>InsertFile</source>
        <translation>InsertFile</translation>
    </message>
    <message>
        <source>The letter could not be written for the e-mail.</source>
        <translation>Der Brief für die E-Mail konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Writing the letter for the e-mail…</source>
        <translation>Der Brief für die E-Mail wird geschrieben…</translation>
    </message>
    <message>
        <source>What the question is about</source>
        <translation>Worum es in der Frage geht</translation>
    </message>
    <message>
        <source>%1 names, for a picture, what is not one (%2): the letter is made without it.</source>
        <translation>%1 nennt als Bild etwas, das keines ist (%2): Der Brief wird ohne es erstellt.</translation>
    </message>
    <message>
        <source>The signature picture %1 does not exist.</source>
        <translation>Das Unterschriftsbild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The signature picture %1 is not a file.</source>
        <translation>Das Unterschriftsbild %1 ist keine Datei.</translation>
    </message>
    <message>
        <source>The signature picture %1 is larger than %2 MB; save it smaller and choose it again.</source>
        <translation>Das Unterschriftsbild %1 ist größer als %2 MB; speichern Sie eine kleinere Fassung und wählen Sie diese erneut aus.</translation>
    </message>
    <message>
        <source>The signature picture %1 cannot be read.</source>
        <translation>Das Unterschriftsbild %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The signature picture %1 is not a PNG, JPEG or SVG picture.</source>
        <translation>Das Unterschriftsbild %1 ist kein PNG-, JPEG- oder SVG-Bild.</translation>
    </message>
    <message>
        <source>Cannot copy the signature picture %1 to the temporary folder</source>
        <translation>Das Unterschriftsbild %1 kann nicht in den temporären Ordner kopiert werden</translation>
    </message>
    <message>
        <source>PlacePicture</source>
        <translation>PlacePicture</translation>
    </message>
    <message>
        <source>The office cannot tell the size of the picture</source>
        <translation>Das Office-Programm kann die Größe des Bildes nicht ermitteln</translation>
    </message>
    <message>
        <source>PlacePicture %1</source>
        <translation>PlacePicture %1</translation>
    </message>
    <message>
        <source>The office cannot read the picture %1</source>
        <translation>Das Office-Programm kann das Bild %1 nicht lesen</translation>
    </message>
    <message>
        <source>Your signature picture, chosen in Letter &gt; Edit Letter Text… (else nothing)</source>
        <translation>Ihr Unterschriftsbild, ausgewählt unter „Brief &gt; Brieftext bearbeiten…“ (sonst nichts)</translation>
    </message>
    <message>
        <source>--design: the template %1 keeps its own looks.</source>
        <translation>--design: Die Vorlage %1 behält ihr eigenes Aussehen.</translation>
    </message>
    <message>
        <source>Your Web Page, set in Letter &gt; Edit Letter Text…</source>
        <translation>Ihre Webseite, festgelegt unter „Brief &gt; Brieftext bearbeiten…“</translation>
    </message>
</context>
<context>
    <name>ScreenFit</name>
    <message>
        <source>Window Contents</source>
        <translation>Fensterinhalt</translation>
    </message>
    <message>
        <source>The window&apos;s controls, which scroll where the screen is too small</source>
        <translation>Die Bedienelemente des Fensters, die rollen, wo der Bildschirm zu klein ist</translation>
    </message>
    <message>
        <source>Window Vertical Scroll</source>
        <translation>Vertikaler Bildlauf des Fensters</translation>
    </message>
    <message>
        <source>Moves the window&apos;s controls up and down</source>
        <translation>Bewegt die Bedienelemente des Fensters nach oben und unten</translation>
    </message>
    <message>
        <source>Window Horizontal Scroll</source>
        <translation>Horizontaler Bildlauf des Fensters</translation>
    </message>
    <message>
        <source>Moves the window&apos;s controls left and right</source>
        <translation>Bewegt die Bedienelemente des Fensters nach links und rechts</translation>
    </message>
</context>
<context>
    <name>StatusDelegate</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>batch</name>
    <message>
        <source>Writes cover letters. Without options it opens the window; with --batch it writes one letter per row of a list (CSV, or the first sheet of an .xlsx or .ods file), without a window.

The list&apos;s first row names the columns by placeholder, with or without brackets, ignoring letter case, spaces, underscores and hyphens (&quot;Company Name&quot; fills [CompanyName]): YourName, StreetAddress, City, ST, ZIPCode, RecipientName, Title, CompanyName, StreetAddress2, City2, ST2, ZIPCode2, CurrentDate, Phone, Email; or by the names people give such columns, in English, French, German, Spanish or Japanese (below); a column of any other name fills the placeholder of that name ([Position] from a column Position), and --columns maps any column by hand. An address column whose name does not say whose address it is (&quot;City&quot;, &quot;PLZ&quot;) is the recipient&apos;s, unless the list also has the recipient&apos;s own column for it (&quot;City2&quot;); a line says so before the first letter, and another when columns fill your own fields in place of what the window stores. Its fields are separated by commas, semicolons or tabs, whichever its first row holds most. Your own fields (YourName, StreetAddress, City, ST, ZIPCode), Phone, Email and the values of More Fields, when the list has no column for them, are taken from the window&apos;s settings; a recipient&apos;s field the list has no column for is empty. Without a CurrentDate column the date is today&apos;s. A row whose fields are all empty is skipped; a row whose file name would be empty is named &quot;Letter&quot; and its line number.

Before the first letter the batch checks the letter: a placeholder that nothing fills stops it, naming the placeholder and the list&apos;s columns, and so does one of the twelve fields that your own words (the letter text, greeting, closing or enclosure line, or your template) use and that would be empty in every letter, unless --allow-empty lets it be empty; the placeholders empty in every letter, the columns that fill nothing, a More Fields value that fills a placeholder in every letter while a column fills nothing, and the words of your letter text that may be misspelled are named.

The names of columns it knows:
%1

The summary goes to standard output; progress and the report of each row to standard error.

Exit status: 0 when no row failed (a row skipped because its letter exists counts as done), 1 when some row failed (or --strict found a warning), 2 for a bad command line, list or template or a placeholder nothing fills, 130 when interrupted.</source>
        <translation>Schreibt Bewerbungsschreiben. Ohne Optionen öffnet es das Fenster; mit --batch schreibt es ohne Fenster einen Brief pro Zeile einer Liste (CSV, oder das erste Tabellenblatt einer .xlsx- oder .ods-Datei).

Die erste Zeile der Liste benennt die Spalten nach Platzhaltern, mit oder ohne Klammern, ohne Rücksicht auf Groß- und Kleinschreibung, Leerzeichen, Unterstriche und Bindestriche („Company Name“ füllt [CompanyName]): YourName, StreetAddress, City, ST, ZIPCode, RecipientName, Title, CompanyName, StreetAddress2, City2, ST2, ZIPCode2, CurrentDate, Phone, Email; oder nach den Namen, die man solchen Spalten gibt, auf Englisch, Französisch, Deutsch, Spanisch oder Japanisch (unten); eine Spalte mit beliebigem anderen Namen füllt den gleichnamigen Platzhalter ([Position] aus einer Spalte Position), und --columns ordnet jede Spalte von Hand zu. Eine Adressspalte, deren Name nicht sagt, wessen Anschrift sie ist („City“, „PLZ“), gehört dem Empfänger, es sei denn, die Liste hat auch die eigene Spalte des Empfängers dafür („City2“); eine Zeile weist vor dem ersten Brief darauf hin, und eine weitere, wenn Spalten Ihre eigenen Felder anstelle dessen füllen, was das Fenster gespeichert hat. Ihre Felder sind durch Kommas, Semikolons oder Tabulatoren getrennt, je nachdem, wovon ihre erste Zeile am meisten enthält. Ihre eigenen Felder (YourName, StreetAddress, City, ST, ZIPCode), Phone, Email und die Werte unter „Weitere Felder“ werden, wenn die Liste keine Spalte dafür hat, aus den Einstellungen des Fensters genommen; ein Feld des Empfängers, für das die Liste keine Spalte hat, ist leer. Ohne Spalte CurrentDate ist das Datum das heutige. Eine Zeile, deren Felder alle leer sind, wird übersprungen; eine Zeile, deren Dateiname leer wäre, heißt „Letter“ mit ihrer Zeilennummer.

Vor dem ersten Brief prüft der Stapel den Brief: Ein Platzhalter, den nichts füllt, hält ihn an, mit dem Namen des Platzhalters und den Spalten der Liste, ebenso eines der zwölf Felder, das Ihr eigener Wortlaut (Brieftext, Anrede, Grußformel, Anlagenzeile oder Ihre Vorlage) verwendet und das in jedem Brief leer wäre, es sei denn, --allow-empty lässt es leer; genannt werden die Platzhalter, die in jedem Brief leer sind, die Spalten, die nichts füllen, ein Wert unter „Weitere Felder“, der einen Platzhalter in jedem Brief füllt, während eine Spalte nichts füllt, und die Wörter Ihres Brieftexts, die möglicherweise falsch geschrieben sind.

Die Spaltennamen, die es kennt:
%1

Die Zusammenfassung geht an die Standardausgabe, der Fortschritt und der Bericht zu jeder Zeile an die Standardfehlerausgabe.

Rückgabewert: 0, wenn keine Zeile fehlgeschlagen ist (eine Zeile, die übersprungen wurde, weil ihr Brief existiert, zählt als erledigt), 1, wenn eine Zeile fehlgeschlagen ist (oder --strict eine Warnung gefunden hat), 2 bei einer fehlerhaften Befehlszeile, Liste oder Vorlage oder einem Platzhalter, den nichts füllt, 130 bei einem Abbruch.</translation>
    </message>
    <message>
        <source>Write one letter per row of &lt;list&gt;: a CSV file, or an .xlsx or .ods spreadsheet.</source>
        <translation>Einen Brief pro Zeile von &lt;list&gt; schreiben: einer CSV-Datei oder einer .xlsx- oder .ods-Tabelle.</translation>
    </message>
    <message>
        <source>Write the letters into &lt;folder&gt; (made when missing).</source>
        <translation>Die Briefe in &lt;folder&gt; schreiben (wird angelegt, falls er fehlt).</translation>
    </message>
    <message>
        <source>Fill &lt;file&gt; rather than the template chosen in the window (or the built-in one).</source>
        <translation>&lt;file&gt; füllen statt der im Fenster gewählten Vorlage (oder der mitgelieferten).</translation>
    </message>
    <message>
        <source>Write each letter as &lt;format&gt;: %1 (default doc; give it more than once for several).</source>
        <translation>Jeden Brief als &lt;format&gt; schreiben: %1 (Vorgabe doc; mehrmals angeben für mehrere).</translation>
    </message>
    <message>
        <source>Name each file after &lt;pattern&gt; (default &quot;%1&quot;); characters that cannot stand in a file name become &quot;_&quot;.</source>
        <translation>Jede Datei nach &lt;pattern&gt; benennen (Vorgabe „%1“); Zeichen, die in einem Dateinamen nicht stehen dürfen, werden zu „_“.</translation>
    </message>
    <message>
        <source>Run &lt;n&gt; office processes at once (default: one, and one more per %1 letters up to the number of cores, %2 here).</source>
        <translation>&lt;n&gt; Office-Prozesse gleichzeitig laufen lassen (Vorgabe: einen, und einen weiteren je %1 Briefe bis zur Zahl der Kerne, hier %2).</translation>
    </message>
    <message>
        <source>Replace existing files, keeping their permissions (a read-only file is never replaced); without it an existing file is never touched and its row is reported as skipped.</source>
        <translation>Vorhandene Dateien ersetzen und ihre Berechtigungen behalten (eine schreibgeschützte Datei wird nie ersetzt); ohne diese Option wird eine vorhandene Datei nie angerührt und ihre Zeile als übersprungen gemeldet.</translation>
    </message>
    <message>
        <source>The list&apos;s fields are separated by &lt;separator&gt;: &quot;,&quot;, &quot;;&quot; or &quot;tab&quot; (default: the one its first row holds most, else a comma).</source>
        <translation>Die Felder der Liste sind durch &lt;separator&gt; getrennt: „,“, „;“ oder „tab“ (Vorgabe: das, wovon ihre erste Zeile am meisten enthält, sonst ein Komma).</translation>
    </message>
    <message>
        <source>Let the placeholders &lt;names&gt; (separated by commas, or &quot;all&quot;) be empty in the letters when nothing fills them, rather than stop.</source>
        <translation>Die Platzhalter &lt;names&gt; (durch Kommas getrennt, oder „all“) in den Briefen leer lassen, wenn nichts sie füllt, statt anzuhalten.</translation>
    </message>
    <message>
        <source>Stop before the first letter, with status 1, when the checks warn (a word that may be misspelled, a column that fills nothing, a placeholder let empty).</source>
        <translation>Vor dem ersten Brief mit Status 1 anhalten, wenn die Prüfungen warnen (ein möglicherweise falsch geschriebenes Wort, eine Spalte, die nichts füllt, ein leer gelassener Platzhalter).</translation>
    </message>
    <message>
        <source>Map the list&apos;s columns to placeholders by hand: &lt;map&gt; is &quot;COLUMN=PLACEHOLDER&quot; pairs separated by commas (&quot;Where I saw it=Source,Company=CompanyName&quot;). A placeholder the letter does not use is an error.</source>
        <translation>Die Spalten der Liste von Hand Platzhaltern zuordnen: &lt;map&gt; besteht aus durch Kommas getrennten Paaren „SPALTE=PLATZHALTER“ („Wo ich sie sah=Source,Firma=CompanyName“). Ein Platzhalter, den der Brief nicht verwendet, ist ein Fehler.</translation>
    </message>
    <message>
        <source>Write nothing: print every column and what it fills, what comes from the settings and from More Fields, every warning, and the first row&apos;s letter as text; exit as the run would.</source>
        <translation>Nichts schreiben: jede Spalte und was sie füllt ausgeben, was aus den Einstellungen und aus „Weitere Felder“ kommt, jede Warnung und den Brief der ersten Zeile als Text; mit dem Status enden, den der Lauf hätte.</translation>
    </message>
    <message>
        <source>Read the sheet &lt;name&gt; of an .xlsx or .ods list (default: the first).</source>
        <translation>Das Tabellenblatt &lt;name&gt; einer .xlsx- oder .ods-Liste lesen (Vorgabe: das erste).</translation>
    </message>
    <message>
        <source>Stop, with status 2, when the offices cannot run in their jail (bubblewrap), as the setting RequireJail=true does.</source>
        <translation>Mit Status 2 anhalten, wenn die Office-Programme nicht in ihrer Sandbox (bubblewrap) laufen können, wie es die Einstellung RequireJail=true tut.</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on &lt;paper&gt;: a4 or letter (default: the one chosen in the window, else your locale&apos;s). A template of your own keeps its own paper.</source>
        <translation>Den mitgelieferten Brief auf &lt;paper&gt; setzen: a4 oder letter (Vorgabe: das im Fenster gewählte, sonst das Ihres Gebietsschemas). Eine eigene Vorlage behält ihr eigenes Papier.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>„%1 --help“ gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Qt&apos;s options for the window: %1</source>
        <translation>Qt-Optionen für das Fenster: %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--%1 works only with --batch</source>
        <translation>--%1 funktioniert nur mit --batch</translation>
    </message>
    <message>
        <source>--out &lt;folder&gt; is missing</source>
        <translation>--out &lt;folder&gt; fehlt</translation>
    </message>
    <message>
        <source>--format: unknown format &quot;%1&quot; (known: %2)</source>
        <translation>--format: unbekanntes Format „%1“ (bekannt: %2)</translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation>--jobs: „%1“ ist keine Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>--separator: &quot;%1&quot; is none of &quot;,&quot;, &quot;;&quot; and &quot;tab&quot;</source>
        <translation>--separator: „%1“ ist weder „,“ noch „;“ noch „tab“</translation>
    </message>
    <message>
        <source>--allow-empty: no placeholder named</source>
        <translation>--allow-empty: kein Platzhalter angegeben</translation>
    </message>
    <message>
        <source>--paper: &quot;%1&quot; is neither &quot;a4&quot; nor &quot;letter&quot;</source>
        <translation>--paper: „%1“ ist weder „a4“ noch „letter“</translation>
    </message>
    <message>
        <source>Keep no record of the letters written (as the setting KeepRecord=false does).</source>
        <translation>Kein Protokoll der geschriebenen Briefe führen (wie es die Einstellung KeepRecord=false tut).</translation>
    </message>
    <message>
        <source>Print the record of the letters written, oldest first, and exit.</source>
        <translation>Das Protokoll der geschriebenen Briefe ausgeben, die ältesten zuerst, und beenden.</translation>
    </message>
    <message>
        <source>With --letters: print the record as CSV.</source>
        <translation>Mit --letters: das Protokoll als CSV ausgeben.</translation>
    </message>
    <message>
        <source>Also write every letter, in the list&apos;s order and each from a new page, into the one PDF &lt;file&gt;; without --out, only that file is written.</source>
        <translation>Außerdem alle Briefe in der Reihenfolge der Liste, jeden ab einer neuen Seite, in eine einzige PDF-Datei &lt;file&gt; schreiben; ohne --out wird nur diese Datei geschrieben.</translation>
    </message>
    <message>
        <source>--csv works only with --letters</source>
        <translation>--csv funktioniert nur mit --letters</translation>
    </message>
    <message>
        <source>--letters takes no other option than --csv</source>
        <translation>--letters erlaubt keine andere Option als --csv</translation>
    </message>
    <message>
        <source>--combined: &quot;%1&quot; is not a .pdf file name</source>
        <translation>--combined: „%1“ ist kein .pdf-Dateiname</translation>
    </message>
    <message>
        <source>--format works only with --out</source>
        <translation>--format funktioniert nur mit --out</translation>
    </message>
    <message>
        <source>Sign each letter with the picture &lt;file&gt; (PNG, JPEG or SVG) above the typed name, rather than the signature chosen in the window.</source>
        <translation>Jeden Brief mit dem Bild &lt;file&gt; (PNG, JPEG oder SVG) über dem getippten Namen unterschreiben statt mit der im Fenster gewählten Unterschrift.</translation>
    </message>
    <message>
        <source>Make the built-in letter in the design &lt;name&gt;: %1 (default: the one chosen in the window, else classic); &quot;--design list&quot; prints the designs&apos; names. A template of your own keeps its own looks.</source>
        <translation>Den mitgelieferten Brief in der Gestaltung &lt;name&gt; machen: %1 (Standard: die im Fenster gewählte, sonst classic); „--design list“ gibt die Namen der Gestaltungen aus. Eine eigene Vorlage behält ihr eigenes Aussehen.</translation>
    </message>
    <message>
        <source>--design: &quot;%1&quot; is no design; the designs are %2</source>
        <translation>--design: „%1“ ist keine Gestaltung; die Gestaltungen sind %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the window needs a desktop session; use --batch to write letters without a window, or start the window under a virtual X server with xvfb-run</source>
        <translation>Das Fenster braucht eine Desktop-Sitzung; verwenden Sie --batch, um Briefe ohne Fenster zu schreiben, oder starten Sie das Fenster mit xvfb-run unter einem virtuellen X-Server</translation>
    </message>
    <message>
        <source>no display (DISPLAY is not set): %1</source>
        <translation>keine Anzeige (DISPLAY ist nicht gesetzt): %1</translation>
    </message>
    <message>
        <source>cannot open the display &quot;%1&quot;: %2</source>
        <translation>Die Anzeige „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
</context>
</TS>
