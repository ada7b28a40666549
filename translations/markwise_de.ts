<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAddStudentDlg</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Dialog schließen</translation>
    </message>
    <message>
        <source>Add New Student</source>
        <translation>Neuen Schüler hinzufügen</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Grunddaten</translation>
    </message>
    <message>
        <source>Extended Information</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>Press TAB to move between items, and ENTER to add names.  You can also do this with the mouse.</source>
        <translation>Mit TAB wechseln Sie zwischen den Feldern, mit ENTER fügen Sie den Namen hinzu.  Das geht auch mit der Maus.</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Schüler hinzufügen</translation>
    </message>
    <message>
        <source>All Name slots full!</source>
        <translation>Alle Plätze für Schüler sind belegt!</translation>
    </message>
</context>
<context>
    <name>CAssignmentSummaryDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Histogram...</source>
        <translation>Histogramm...</translation>
    </message>
    <message>
        <source>Assignment Summary</source>
        <translation>Notenspiegel der Aufgabe</translation>
    </message>
    <message>
        <source>Avg Received:</source>
        <translation>Durchschnitt:</translation>
    </message>
    <message>
        <source>High Received:</source>
        <translation>Höchster Wert:</translation>
    </message>
    <message>
        <source>Low Received:</source>
        <translation>Niedrigster Wert:</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Aufgabe wählen:</translation>
    </message>
</context>
<context>
    <name>CClassSummaryDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Histogram...</source>
        <translation>Histogramm...</translation>
    </message>
    <message>
        <source>Class Summary</source>
        <translation>Notenspiegel der Klasse</translation>
    </message>
    <message>
        <source>Avg Total:</source>
        <translation>Durchschnitt gesamt:</translation>
    </message>
    <message>
        <source>High Total:</source>
        <translation>Höchstes Ergebnis:</translation>
    </message>
    <message>
        <source>Low Total:</source>
        <translation>Niedrigstes Ergebnis:</translation>
    </message>
</context>
<context>
    <name>CEditAssignmentDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Fast Edit</source>
        <translation>Schnelleingabe</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Dialog schließen</translation>
    </message>
    <message>
        <source>Edit Assignment</source>
        <translation>Aufgabe bearbeiten</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Aufgabe wählen:</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Schüler wählen:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Points Possible:</source>
        <translation>Erreichbare Punkte:</translation>
    </message>
    <message>
        <source>Student Points:</source>
        <translation>Punkte des Schülers:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Points Possible</source>
        <translation>Erreichbare Punkte</translation>
    </message>
    <message>
        <source>Student Points</source>
        <translation>Punkte des Schülers</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Fast Edit scores</source>
        <translation>Punkte per Schnelleingabe</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
</context>
<context>
    <name>CEditStudentDlg</name>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Dialog schließen</translation>
    </message>
    <message>
        <source>Edit Student</source>
        <translation>Schüler bearbeiten</translation>
    </message>
    <message>
        <source>Edit Student Data</source>
        <translation>Schülerdaten bearbeiten</translation>
    </message>
    <message>
        <source>Select a name, make any changes, then click Update.</source>
        <translation>Wählen Sie einen Namen, ändern Sie die Angaben und klicken Sie auf Übernehmen.</translation>
    </message>
    <message>
        <source>Select Name:</source>
        <translation>Name wählen:</translation>
    </message>
</context>
<context>
    <name>CExcludeAssignmentsDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Don&apos;t Exclude</source>
        <translation>Nicht ausschließen</translation>
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
        <source>Exclude Assignments</source>
        <translation>Aufgaben ausschließen</translation>
    </message>
    <message>
        <source>Select the first assignment you want included in the grade.  Select  Don&apos;t Exclude to remove the exclusion from the grade.  Note that the exclusion state is not saved with the document.  Click OK when done.</source>
        <translation>Wählen Sie die erste Aufgabe, die in die Note eingehen soll.  Mit „Nicht ausschließen“ heben Sie den Ausschluss auf.  Der Ausschluss wird nicht mit der Datei gespeichert.  Klicken Sie danach auf OK.</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Aufgabe wählen:</translation>
    </message>
</context>
<context>
    <name>CGradingPolicyDlg</name>
    <message>
        <source>Weights: %1</source>
        <extracomment>%1 lists each category&apos;s share of the weights.</extracomment>
        <translation>Gewichtung: %1</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Assignments in the category</source>
        <translation>Aufgaben der Kategorie</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
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
        <source>Move</source>
        <translation>Verschieben</translation>
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
        <source>Grading Policy</source>
        <translation>Notengewichtung</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategorien:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewichtung:</translation>
    </message>
    <message>
        <source>Drop lowest:</source>
        <translation>Schlechteste streichen:</translation>
    </message>
    <message>
        <source>Assignments in this category:</source>
        <translation>Aufgaben in dieser Kategorie:</translation>
    </message>
    <message>
        <source>Move to:</source>
        <translation>Verschieben nach:</translation>
    </message>
    <message>
        <source>No categories: grades count points only.</source>
        <translation>Keine Kategorien: Die Noten zählen nur die Punkte.</translation>
    </message>
    <message>
        <source>The weight must be a number of 0 or more.</source>
        <translation>Die Gewichtung muss eine Zahl ab 0 sein.</translation>
    </message>
    <message>
        <source>Drop lowest must be a whole number of 0 or more.</source>
        <translation>„Schlechteste streichen“ muss eine ganze Zahl ab 0 sein.</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>Name der Kategorie:</translation>
    </message>
    <message>
        <source>A category name can be at most %1 characters long.</source>
        <translation>Der Name einer Kategorie darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>A class can have at most %1 categories.</source>
        <translation>Eine Klasse kann höchstens %1 Kategorien haben.</translation>
    </message>
    <message>
        <source>Add Category</source>
        <translation>Kategorie hinzufügen</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Kategorie umbenennen</translation>
    </message>
</context>
<context>
    <name>CHistogramDlg</name>
    <message>
        <source>Grade Distribution Histogram</source>
        <translation>Histogramm des Notenspiegels</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CImportColumnsDlg</name>
    <message>
        <source>Ignored</source>
        <translation>Nicht übernommen</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Name (last, first)</source>
        <translation>Name (Nachname, Vorname)</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Schüler-ID</translation>
    </message>
    <message>
        <source>Grade level</source>
        <translation>Klassenstufe</translation>
    </message>
    <message>
        <source>Book number</source>
        <translation>Buchnummer</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Columns of %1</source>
        <translation>Spalten von %1</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Wird zu</translation>
    </message>
    <message>
        <source>Points possible</source>
        <translation>Erreichbare Punkte</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>Geht in</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The file gives no points possible: %1 is only the highest score. Check it.</source>
        <translation>Die Datei nennt keine erreichbaren Punkte: %1 ist nur die höchste Punktzahl. Bitte prüfen.</translation>
    </message>
    <message>
        <source>A new assignment</source>
        <translation>Eine neue Aufgabe</translation>
    </message>
    <message>
        <source>Matched by its title without the platform&apos;s marks.</source>
        <translation>Über den Titel ohne die Zusätze der Plattform zugeordnet.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Each column of the file and what it becomes. Change any that is wrong.</source>
        <translation>Jede Spalte der Datei und was aus ihr wird. Ändern Sie, was nicht stimmt.</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot;: please enter a number in &quot;Points possible&quot;.</source>
        <translation>Spalte „%1“: Bitte geben Sie bei „Erreichbare Punkte“ eine Zahl ein.</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Scores</source>
        <translation>Punkte importieren</translation>
    </message>
    <message>
        <source>By &amp;student ID</source>
        <translation>Nach &amp;Schüler-ID</translation>
    </message>
    <message>
        <source>By &amp;last and first name</source>
        <translation>Nach &amp;Nach- und Vorname</translation>
    </message>
    <message>
        <source>Match the file&apos;s rows to students:</source>
        <translation>Zeilen der Datei den Schülern zuordnen:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Scores from %1</source>
        <translation>Punkte aus %1 importieren</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>student matched</source>
        <translation>Schüler zugeordnet</translation>
    </message>
    <message>
        <source>students matched</source>
        <translation>Schüler zugeordnet</translation>
    </message>
    <message>
        <source>row skipped</source>
        <translation>Zeile übersprungen</translation>
    </message>
    <message>
        <source>rows skipped</source>
        <translation>Zeilen übersprungen</translation>
    </message>
    <message>
        <source>assignment added</source>
        <translation>Aufgabe hinzugefügt</translation>
    </message>
    <message>
        <source>assignments added</source>
        <translation>Aufgaben hinzugefügt</translation>
    </message>
    <message>
        <source>score changed</source>
        <translation>Punktzahl geändert</translation>
    </message>
    <message>
        <source>scores changed</source>
        <translation>Punktzahlen geändert</translation>
    </message>
    <message>
        <source>Columns left out (the columns list says why)</source>
        <translation>Ausgelassene Spalten (die Spaltenliste nennt den Grund)</translation>
    </message>
    <message>
        <source>Rows skipped: no student matches them</source>
        <translation>Übersprungene Zeilen: kein Schüler passt dazu</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Assignments added</source>
        <translation>Hinzugefügte Aufgaben</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>Scores changed</source>
        <translation>Geänderte Punktzahlen</translation>
    </message>
    <message>
        <source>The file changes no score.</source>
        <translation>Die Datei ändert keine Punktzahl.</translation>
    </message>
</context>
<context>
    <name>CNewAssignmentDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create New Assignment</source>
        <translation>Neue Aufgabe anlegen</translation>
    </message>
    <message>
        <source>Assignment Title:</source>
        <translation>Titel der Aufgabe:</translation>
    </message>
    <message>
        <source>Points Possible:</source>
        <translation>Erreichbare Punkte:</translation>
    </message>
    <message>
        <source>Assignment Description (optional):</source>
        <translation>Beschreibung der Aufgabe (optional):</translation>
    </message>
    <message>
        <source>All Assignment slots full!</source>
        <translation>Alle Plätze für Aufgaben sind belegt!</translation>
    </message>
    <message>
        <source>Assignment Title</source>
        <translation>Titel der Aufgabe</translation>
    </message>
    <message>
        <source>Points Possible</source>
        <translation>Erreichbare Punkte</translation>
    </message>
    <message>
        <source>Assignment Description</source>
        <translation>Beschreibung der Aufgabe</translation>
    </message>
    <message>
        <source>New Assignment</source>
        <translation>Neue Aufgabe</translation>
    </message>
</context>
<context>
    <name>CPreferencesDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Grade Cutoffs</source>
        <translation>Notengrenzen</translation>
    </message>
    <message>
        <source>Enter the minimum values in percent for each letter grade.</source>
        <translation>Geben Sie für jede Note den Mindestwert in Prozent ein.</translation>
    </message>
    <message>
        <source>The grade cutoffs could not be saved in your settings:
%1
They apply until Markwise closes.</source>
        <translation>Die Notengrenzen konnten nicht in Ihren Einstellungen gespeichert werden:
%1
Sie gelten, bis Markwise beendet wird.</translation>
    </message>
</context>
<context>
    <name>CProgressReportsDlg</name>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Find Students</source>
        <translation>Schüler suchen</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Update Comment</source>
        <translation>Bemerkung übernehmen</translation>
    </message>
    <message>
        <source>Progress Reports</source>
        <translation>Lernstandsberichte</translation>
    </message>
    <message>
        <source>Issue Progress reports to students at or below</source>
        <translation>Lernstandsberichte für Schüler mit höchstens</translation>
    </message>
    <message>
        <source>Percent.</source>
        <translation>Prozent.</translation>
    </message>
    <message>
        <source>Edit Comments</source>
        <translation>Bemerkungen bearbeiten</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Schüler wählen:</translation>
    </message>
    <message>
        <source>Percent:</source>
        <translation>Prozent:</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Current Comment:</source>
        <translation>Aktuelle Bemerkung:</translation>
    </message>
    <message>
        <source>No Students found below that percentage</source>
        <translation>Keine Schüler unter diesem Prozentsatz gefunden</translation>
    </message>
</context>
<context>
    <name>CRemoveAssignmentDlg</name>
    <message>
        <source>Remove Assignment</source>
        <translation>Aufgabe entfernen</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Aufgabe wählen:</translation>
    </message>
    <message>
        <source>After selecting an assignment, click &quot;Remove.&quot;  The assignment will be removed and all data lost.  To recover this data, re-open the document.</source>
        <translation>Wählen Sie eine Aufgabe und klicken Sie auf „Entfernen“.  Die Aufgabe wird entfernt, alle ihre Daten gehen verloren.  Um sie zurückzuholen, öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this assignment?
Clicking OK will result in the loss of all data entered for that assignment!</source>
        <translation>Möchten Sie diese Aufgabe wirklich entfernen?
Mit OK gehen alle für diese Aufgabe eingegebenen Daten verloren!</translation>
    </message>
</context>
<context>
    <name>CRemoveEntryDlg</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Dialog schließen</translation>
    </message>
</context>
<context>
    <name>CRemoveStudentDlg</name>
    <message>
        <source>Remove Student</source>
        <translation>Schüler entfernen</translation>
    </message>
    <message>
        <source>Select Name:</source>
        <translation>Name wählen:</translation>
    </message>
    <message>
        <source>After selecting a name, click &quot;Remove.&quot;  The student will be removed and all data lost.  To recover this data, re-open the document.</source>
        <translation>Wählen Sie einen Namen und klicken Sie auf „Entfernen“.  Der Schüler wird entfernt, alle seine Daten gehen verloren.  Um sie zurückzuholen, öffnen Sie die Datei erneut.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this student?
Clicking OK will result in the loss of all data entered for that student!</source>
        <translation>Möchten Sie diesen Schüler wirklich entfernen?
Mit OK gehen alle für diesen Schüler eingegebenen Daten verloren!</translation>
    </message>
    <message>
        <source>You can&apos;t remove all the students!  If you want to replace this student, select Edit Student from the student Menu, and change all of the information.</source>
        <translation>Sie können nicht alle Schüler entfernen!  Um diesen Schüler zu ersetzen, wählen Sie im Menü Schüler „Schüler bearbeiten“ und ändern Sie alle Angaben.</translation>
    </message>
</context>
<context>
    <name>CSortByAssignmentDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Aufgaben</translation>
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
        <source>Sort by Assignment Grade</source>
        <translation>Nach Aufgabennote sortieren</translation>
    </message>
    <message>
        <source>Select the Assignment from the list at the left and press OK.  The grades in that assignment will be sorted in descending order.</source>
        <translation>Wählen Sie links die Aufgabe und klicken Sie auf OK.  Die Schüler werden absteigend nach den Noten dieser Aufgabe sortiert.</translation>
    </message>
    <message>
        <source>Which Assignment?</source>
        <translation>Welche Aufgabe?</translation>
    </message>
</context>
<context>
    <name>CStudentReportDlg</name>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Student Report</source>
        <translation>Schülerbericht</translation>
    </message>
    <message>
        <source>Select the student for whom you wish to generate the report and then click OK.  Once the report appears, print it by choosing Print from the file menu.</source>
        <translation>Wählen Sie den Schüler, für den der Bericht erstellt werden soll, und klicken Sie auf OK.  Sobald der Bericht erscheint, drucken Sie ihn über Drucken im Menü Datei.</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Schüler wählen:</translation>
    </message>
</context>
<context>
    <name>CStudentSummaryDlg</name>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Student Summary</source>
        <translation>Übersicht des Schülers</translation>
    </message>
    <message>
        <source>Current Total:</source>
        <translation>Aktuelle Punkte:</translation>
    </message>
    <message>
        <source>Current Possible:</source>
        <translation>Erreichbar bisher:</translation>
    </message>
    <message>
        <source>Current Percent:</source>
        <translation>Aktueller Prozentsatz:</translation>
    </message>
    <message>
        <source>Current Grade</source>
        <translation>Aktuelle Note</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Schüler wählen:</translation>
    </message>
    <message>
        <source>By Category</source>
        <translation>Nach Kategorie</translation>
    </message>
    <message>
        <source>By Category:</source>
        <translation>Nach Kategorie:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new data file
New</source>
        <translation>Eine neue Datei anlegen
Neu</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Eine vorhandene Datei öffnen
Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Die aktive Datei schließen
Schließen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Die aktive Datei speichern
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Die aktive Datei unter neuem Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Open a class list or grade book saved as CSV as a new class
Import</source>
        <translation>Eine als CSV gespeicherte Klassenliste oder Notenliste als neue Klasse öffnen
Importieren</translation>
    </message>
    <message>
        <source>I&amp;mport Scores...</source>
        <translation>&amp;Punkte importieren...</translation>
    </message>
    <message>
        <source>Bring scores from a CSV file into the active class
Import Scores</source>
        <translation>Punkte aus einer CSV-Datei in die aktive Klasse übernehmen
Punkte importieren</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Save the active class as CSV for a spreadsheet or learning platform
Export</source>
        <translation>Die aktive Klasse als CSV für eine Tabellenkalkulation oder Lernplattform speichern
Exportieren</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Die aktive Datei drucken
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker ein&amp;richten...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Drucker einrichten</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Diese Datei öffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt nach dem Speichern der Dateien
Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Die letzte Änderung rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>R&amp;edo	Ctrl+Y</source>
        <translation>&amp;Wiederherstellen	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the change last undone
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederherstellen
Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selected scores, or the whole grade sheet, to the clipboard
Copy</source>
        <translation>Die gewählten Punkte oder die ganze Notenliste in die Zwischenablage kopieren
Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>Ein&amp;fügen	Ctrl+V</translation>
    </message>
    <message>
        <source>Put scores copied from a spreadsheet into the sheet from the current cell on
Paste</source>
        <translation>Aus einer Tabellenkalkulation kopierte Punkte ab der aktuellen Zelle einfügen
Einfügen</translation>
    </message>
    <message>
        <source>Fill &amp;Down	Ctrl+D</source>
        <translation>Nach &amp;unten füllen	Ctrl+D</translation>
    </message>
    <message>
        <source>Copy the top score of the selected cells down to the others
Fill Down</source>
        <translation>Die oberste Punktzahl der gewählten Zellen in die übrigen kopieren
Nach unten füllen</translation>
    </message>
    <message>
        <source>&amp;Find Student...	Ctrl+F</source>
        <translation>&amp;Schüler suchen...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find a student whose name or ID contains a text
Find Student</source>
        <translation>Einen Schüler suchen, dessen Name oder ID einen Text enthält
Schüler suchen</translation>
    </message>
    <message>
        <source>Find &amp;Next	F3</source>
        <translation>&amp;Nächsten suchen	F3</translation>
    </message>
    <message>
        <source>Find the next student with the same text
Find Next</source>
        <translation>Den nächsten Schüler mit demselben Text suchen
Nächsten suchen</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Change Certain Options
Preferences</source>
        <translation>Einige Einstellungen ändern
Einstellungen</translation>
    </message>
    <message>
        <source>&amp;View Class Roster...</source>
        <translation>&amp;Klassenliste anzeigen...</translation>
    </message>
    <message>
        <source>View a class roster
Class Roster</source>
        <translation>Die Klassenliste anzeigen
Klassenliste</translation>
    </message>
    <message>
        <source>&amp;Progress Reports...</source>
        <translation>&amp;Lernstandsberichte...</translation>
    </message>
    <message>
        <source>Generate progress reports
Progress Reports</source>
        <translation>Lernstandsberichte erstellen
Lernstandsberichte</translation>
    </message>
    <message>
        <source>&amp;Exclude Assignments...</source>
        <translation>&amp;Aufgaben ausschließen...</translation>
    </message>
    <message>
        <source>Allows you to only count grades after a specific assignment
Exclude Assignments</source>
        <translation>Nur die Noten ab einer bestimmten Aufgabe zählen
Aufgaben ausschließen</translation>
    </message>
    <message>
        <source>&amp;Class Summary...</source>
        <translation>&amp;Notenspiegel der Klasse...</translation>
    </message>
    <message>
        <source>Obtain a class summary
Class Summary</source>
        <translation>Den Notenspiegel der Klasse anzeigen
Notenspiegel der Klasse</translation>
    </message>
    <message>
        <source>&amp;New Assignment...</source>
        <translation>&amp;Neue Aufgabe...</translation>
    </message>
    <message>
        <source>Create New Assignment
New Assignment</source>
        <translation>Eine neue Aufgabe anlegen
Neue Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Remove Assignment...</source>
        <translation>Aufgabe &amp;entfernen...</translation>
    </message>
    <message>
        <source>Remove an Assignment
Remove Assignment</source>
        <translation>Eine Aufgabe entfernen
Aufgabe entfernen</translation>
    </message>
    <message>
        <source>&amp;Edit Assignment...</source>
        <translation>Aufgabe &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Edit an Assignment
Edit Assignment</source>
        <translation>Eine Aufgabe bearbeiten
Aufgabe bearbeiten</translation>
    </message>
    <message>
        <source>Assignment &amp;Summary...</source>
        <translation>Notenspiegel der &amp;Aufgabe...</translation>
    </message>
    <message>
        <source>Obtain an Assignment Summary
Assignment Summary</source>
        <translation>Den Notenspiegel einer Aufgabe anzeigen
Notenspiegel der Aufgabe</translation>
    </message>
    <message>
        <source>&amp;New Student...</source>
        <translation>&amp;Neuer Schüler...</translation>
    </message>
    <message>
        <source>Create New Student
New Student</source>
        <translation>Einen neuen Schüler anlegen
Neuer Schüler</translation>
    </message>
    <message>
        <source>&amp;Remove Student...</source>
        <translation>Schüler &amp;entfernen...</translation>
    </message>
    <message>
        <source>Remove a Student
Remove Student</source>
        <translation>Einen Schüler entfernen
Schüler entfernen</translation>
    </message>
    <message>
        <source>&amp;Edit Student...</source>
        <translation>Schüler &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Edit a Student
Edit Student</source>
        <translation>Einen Schüler bearbeiten
Schüler bearbeiten</translation>
    </message>
    <message>
        <source>Student &amp;Summary...</source>
        <translation>Schüler&amp;übersicht...</translation>
    </message>
    <message>
        <source>Obtain a Student Summary
Student Summary</source>
        <translation>Die Übersicht eines Schülers anzeigen
Übersicht des Schülers</translation>
    </message>
    <message>
        <source>S&amp;tudent Report...</source>
        <translation>&amp;Schülerbericht...</translation>
    </message>
    <message>
        <source>View a student report, which can be printed
Student Report</source>
        <translation>Einen Schülerbericht anzeigen, der gedruckt werden kann
Schülerbericht</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>Nach &amp;Name</translation>
    </message>
    <message>
        <source>Sort the Student List By Name
Sort by Name</source>
        <translation>Die Schülerliste nach Namen sortieren
Nach Name sortieren</translation>
    </message>
    <message>
        <source>By &amp;Total Grade</source>
        <translation>Nach &amp;Gesamtnote</translation>
    </message>
    <message>
        <source>Sort the Student List by Total Grade
Sort by Total Grade</source>
        <translation>Die Schülerliste nach der Gesamtnote sortieren
Nach Gesamtnote sortieren</translation>
    </message>
    <message>
        <source>By &amp;Assignment Grade...</source>
        <translation>Nach &amp;Aufgabennote...</translation>
    </message>
    <message>
        <source>Sort the Student List by Assignment Grade
Sort by Assignment Grade</source>
        <translation>Die Schülerliste nach der Note einer Aufgabe sortieren
Nach Aufgabennote sortieren</translation>
    </message>
    <message>
        <source>&amp;Randomly</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>Shuffles the list of students
Sort Randomly</source>
        <translation>Die Schülerliste zufällig mischen
Zufällig sortieren</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Symbolleiste ein- oder ausblenden
Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Schüler-ID</translation>
    </message>
    <message>
        <source>Changes whether Students are listed by ID or by Name
Student ID</source>
        <translation>Schüler nach ID oder nach Namen auflisten
Schüler-ID</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>Neues &amp;Fenster</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ein weiteres Fenster für die aktive Datei öffnen
Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Fenster überlappend anordnen
Überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Fenster nebeneinander anordnen
Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Symbole am unteren Fensterrand anordnen
Symbole anordnen</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Die Hilfethemen anzeigen
Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Markwise...</source>
        <translation>Ü&amp;ber Markwise...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Nach links blättern</translation>
    </message>
    <message>
        <source>Scroll the Assignments Left
Scroll Left</source>
        <translation>Die Aufgaben nach links blättern
Nach links blättern</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Nach rechts blättern</translation>
    </message>
    <message>
        <source>Scroll the Assignments Right
Scroll Right</source>
        <translation>Die Aufgaben nach rechts blättern
Nach rechts blättern</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Hilfe zur aktuellen Aufgabe oder zum Befehl anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Hilfe zu angeklickten Schaltflächen, Menüs und Fenstern anzeigen
Hilfe</translation>
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
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Klasse</translation>
    </message>
    <message>
        <source>&amp;Assignment</source>
        <translation>A&amp;ufgabe</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>&amp;Schüler</translation>
    </message>
    <message>
        <source>S&amp;ort</source>
        <translation>S&amp;ortieren</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Grading Policy...</source>
        <translation>Noten&amp;gewichtung...</translation>
    </message>
    <message>
        <source>Set the weighted categories of the grade and the lowest scores they drop
Grading Policy</source>
        <translation>Die gewichteten Kategorien der Note festlegen und wie viele schlechteste Punkte sie streichen
Notengewichtung</translation>
    </message>
</context>
<context>
    <name>ContextHelpMode</name>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Wählen Sie ein Element, zu dem Sie Hilfe möchten</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1: more than %2 columns. Delete the columns the class does not need.</source>
        <translation>%1: mehr als %2 Spalten. Löschen Sie die Spalten, die die Klasse nicht braucht.</translation>
    </message>
    <message>
        <source>%1: more rows than a class can hold (1000 students). Split the file into classes of at most 1000 students.</source>
        <translation>%1: mehr Zeilen, als eine Klasse fassen kann (1000 Schüler). Teilen Sie die Datei in Klassen mit höchstens 1000 Schülern auf.</translation>
    </message>
    <message>
        <source>the CSV reader could not start. Close other programs, then try again.</source>
        <translation>das Lesen der CSV-Datei konnte nicht gestartet werden. Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>not enough memory to read the file. Close other programs, then try again.</source>
        <translation>nicht genug Arbeitsspeicher, um die Datei zu lesen. Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1: a quoted cell is not closed. Add the closing double quote.</source>
        <translation>%1: Eine Zelle in Anführungszeichen wird nicht geschlossen. Ergänzen Sie das schließende doppelte Anführungszeichen.</translation>
    </message>
    <message>
        <source>%1: a double quote in the wrong place. Quote the whole cell and double each quote inside it (&quot;say &quot;&quot;hi&quot;&quot;&quot;), or remove the stray quote.</source>
        <translation>%1: ein doppeltes Anführungszeichen an der falschen Stelle. Setzen Sie die ganze Zelle in Anführungszeichen und verdoppeln Sie jedes Anführungszeichen darin (&quot;say &quot;&quot;hi&quot;&quot;&quot;), oder entfernen Sie das überzählige Anführungszeichen.</translation>
    </message>
    <message>
        <source>line 1: the file holds no header row. Start it with a line of column titles, such as &quot;Name,Quiz 1&quot;.</source>
        <translation>Zeile 1: Die Datei hat keine Kopfzeile. Beginnen Sie sie mit einer Zeile aus Spaltentiteln, etwa &quot;Name,Quiz 1&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 is not a score. Change it, or mark the column ignored.</source>
        <translation>%1: %2 ist keine Punktzahl. Ändern Sie den Wert, oder setzen Sie die Spalte auf „Nicht übernommen“.</translation>
    </message>
    <message>
        <source>%1: the &quot;Points Possible&quot; and &quot;Description&quot; rows must follow the header. Move them to lines 2 and %2, as Markwise exports them.</source>
        <translation>%1: Die Zeilen &quot;Points Possible&quot; und &quot;Description&quot; müssen direkt auf die Kopfzeile folgen. Verschieben Sie sie in die Zeilen 2 und %2, so wie Markwise sie exportiert.</translation>
    </message>
    <message>
        <source>%1: more than %2 students. Split the file into classes of at most %2.</source>
        <translation>%1: mehr als %2 Schüler. Teilen Sie die Datei in Klassen mit höchstens %2 Schülern auf.</translation>
    </message>
    <message>
        <source>%1: more than %2 assignments. Mark the columns the class does not need ignored, or split the file.</source>
        <translation>%1: mehr als %2 Aufgaben. Setzen Sie die Spalten, die die Klasse nicht braucht, auf „Nicht übernommen“, oder teilen Sie die Datei auf.</translation>
    </message>
    <message>
        <source>line 1: no column holds names or student IDs. Title one &quot;Name&quot; or &quot;Student ID&quot;, or make a column a name or ID in the import&apos;s preview.</source>
        <translation>Zeile 1: Keine Spalte enthält Namen oder Schüler-IDs. Geben Sie einer Spalte den Titel &quot;Name&quot; oder &quot;Student ID&quot;, oder machen Sie in der Vorschau des Imports eine Spalte zu Name oder Schüler-ID.</translation>
    </message>
    <message>
        <source>%1: the file gives no points possible. Add a &quot;Points Possible&quot; row, or the points to the title: %2.</source>
        <translation>%1: Die Datei nennt keine erreichbaren Punkte. Fügen Sie eine Zeile &quot;Points Possible&quot; hinzu oder schreiben Sie die Punkte in den Titel: %2.</translation>
    </message>
    <message>
        <source>worked out by the platform (&quot;%1&quot; as points)</source>
        <translation>von der Plattform berechnet (&quot;%1&quot; als Punkte)</translation>
    </message>
    <message>
        <source>holds text, not scores</source>
        <translation>enthält Text, keine Punktzahlen</translation>
    </message>
    <message>
        <source>empty and untitled</source>
        <translation>leer und ohne Titel</translation>
    </message>
    <message>
        <source>ignored by the teacher</source>
        <translation>von der Lehrkraft nicht übernommen</translation>
    </message>
    <message>
        <source>the platform&apos;s own user number</source>
        <translation>die interne Benutzernummer der Plattform</translation>
    </message>
    <message>
        <source>a login name, not a score</source>
        <translation>ein Anmeldename, keine Punktzahl</translation>
    </message>
    <message>
        <source>a profile field, not a score</source>
        <translation>ein Profilfeld, keine Punktzahl</translation>
    </message>
    <message>
        <source>the section, not a score</source>
        <translation>der Abschnitt, keine Punktzahl</translation>
    </message>
    <message>
        <source>the time the file was downloaded</source>
        <translation>der Zeitpunkt, zu dem die Datei heruntergeladen wurde</translation>
    </message>
    <message>
        <source>a total the platform works out, not an assignment</source>
        <translation>eine Summe, die die Plattform berechnet, keine Aufgabe</translation>
    </message>
    <message>
        <source>line 1: no column holds student IDs. Title one &quot;Student ID&quot;, or match by name.</source>
        <translation>Zeile 1: Keine Spalte enthält Schüler-IDs. Geben Sie einer Spalte den Titel &quot;Student ID&quot;, oder ordnen Sie nach Namen zu.</translation>
    </message>
    <message>
        <source>line 1: no column holds names. Title one &quot;Name&quot; (or &quot;Last Name&quot; and &quot;First Name&quot;), or match by student ID.</source>
        <translation>Zeile 1: Keine Spalte enthält Namen. Geben Sie einer Spalte den Titel &quot;Name&quot; (oder &quot;Last Name&quot; und &quot;First Name&quot;), oder ordnen Sie nach Schüler-ID zu.</translation>
    </message>
    <message>
        <source>%1: two assignments of the class have this title. Rename one of them, or choose the assignment it goes into in the preview.</source>
        <translation>%1: Zwei Aufgaben der Klasse haben diesen Titel. Benennen Sie eine davon um, oder wählen Sie in der Vorschau die Aufgabe, in die die Spalte eingeht.</translation>
    </message>
    <message>
        <source>%1: another column has the same title. Rename one of them, or mark one ignored.</source>
        <translation>%1: Eine andere Spalte hat denselben Titel. Benennen Sie eine davon um, oder setzen Sie eine auf „Nicht übernommen“.</translation>
    </message>
    <message>
        <source>%1: the columns %2 and %3 both go into %4. Mark one of them ignored.</source>
        <translation>%1: Die Spalten %2 und %3 gehen beide in %4 ein. Setzen Sie eine davon auf „Nicht übernommen“.</translation>
    </message>
    <message>
        <source>%1: the class would have more than %2 assignments. Mark the columns it does not need ignored.</source>
        <translation>%1: Die Klasse hätte mehr als %2 Aufgaben. Setzen Sie die Spalten, die sie nicht braucht, auf „Nicht übernommen“.</translation>
    </message>
    <message>
        <source>%1: student ID %2 also appears on line %3. Correct one of the two rows, or delete one.</source>
        <translation>%1: Die Schüler-ID %2 steht auch in Zeile %3. Korrigieren Sie eine der beiden Zeilen, oder löschen Sie eine.</translation>
    </message>
    <message>
        <source>%1: name %2 also appears on line %3. Correct one of the two rows, or delete one.</source>
        <translation>%1: Der Name %2 steht auch in Zeile %3. Korrigieren Sie eine der beiden Zeilen, oder löschen Sie eine.</translation>
    </message>
    <message>
        <source>%1: student ID %2 belongs to two students in the class. Tell them apart in the class, or match by name.</source>
        <translation>%1: Die Schüler-ID %2 gehört zu zwei Schülern der Klasse. Unterscheiden Sie die beiden in der Klasse, oder ordnen Sie nach Namen zu.</translation>
    </message>
    <message>
        <source>%1: name %2 belongs to two students in the class. Tell them apart in the class, or match by student ID.</source>
        <translation>%1: Der Name %2 gehört zu zwei Schülern der Klasse. Unterscheiden Sie die beiden in der Klasse, oder ordnen Sie nach Schüler-ID zu.</translation>
    </message>
    <message>
        <source>Choose the score cell the pasted scores begin at.</source>
        <translation>Wählen Sie die Punktzelle, bei der die eingefügten Punkte beginnen sollen.</translation>
    </message>
    <message>
        <source>The pasted scores are %1; from %2 the class has room for %3. Nothing was pasted.</source>
        <translation>Die eingefügten Punkte umfassen %1; ab %2 hat die Klasse Platz für %3. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>%1 (row %2, column %3 of the pasted cells, %4) is not a score. Nothing was pasted.</source>
        <translation>%1 (Zeile %2, Spalte %3 der eingefügten Zellen, %4) ist keine Punktzahl. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 für %2</translation>
    </message>
    <message>
        <source>%1 row by %2 column</source>
        <translation>%1 Zeile mal %2 Spalte</translation>
    </message>
    <message>
        <source>%1 row by %2 columns</source>
        <translation>%1 Zeile mal %2 Spalten</translation>
    </message>
    <message>
        <source>%1 rows by %2 column</source>
        <translation>%1 Zeilen mal %2 Spalte</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 Zeilen mal %2 Spalten</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>You do not have permission to read it.</source>
        <translation>Sie haben keine Berechtigung, sie zu lesen.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a device or a pipe, not a file.</source>
        <translation>Es ist ein Gerät oder eine Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>At %1 MB it is far larger than %2.</source>
        <translation>Mit %1 MB ist sie weit größer als %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>the CSV of any class</source>
        <translation>die CSV-Datei jeder Klasse</translation>
    </message>
    <message>
        <source>any class file</source>
        <translation>jede Klassendatei</translation>
    </message>
    <message>
        <source>a workbook</source>
        <translation>eine Arbeitsmappe</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;. %2</source>
        <translation>&quot;%1&quot; konnte nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>%1 is empty: it holds no class.</source>
        <translation>%1 ist leer: Die Datei enthält keine Klasse.</translation>
    </message>
    <message>
        <source>%1 is not a Markwise class file, or it is damaged: %2.</source>
        <translation>%1 ist keine Markwise-Klassendatei oder ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;. The class would take more than the %2 MB a class file may hold.</source>
        <translation>&quot;%1&quot; konnte nicht gespeichert werden. Die Klasse bräuchte mehr als die %2 MB, die eine Klassendatei fassen darf.</translation>
    </message>
    <message>
        <source>The grading policy stored with this class is damaged (%1), so the class opened without its policy and score marks. Saving it now writes the class without them.</source>
        <translation>Die mit dieser Klasse gespeicherte Notengewichtung ist beschädigt (%1), deshalb wurde die Klasse ohne ihre Notengewichtung und ohne die Vermerke EX und M geöffnet. Wenn Sie sie jetzt speichern, wird die Klasse ohne beides geschrieben.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;. %2</source>
        <translation>&quot;%1&quot; konnte nicht gespeichert werden. %2</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>Sie haben keine Berechtigung, dort zu schreiben.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ein Ordner mit diesem Namen ist im Weg.</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist.</source>
        <translation>Es ist eine Verknüpfung auf &quot;%1&quot;; dieses Ziel existiert nicht.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>no temporary folder could be made for the workbook</source>
        <translation>für die Arbeitsmappe konnte kein temporärer Ordner angelegt werden</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>die Arbeitsmappe konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the workbook could not be written: %1</source>
        <translation>die Arbeitsmappe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Could not save the settings.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Could not create the settings folder &quot;%1&quot;. %2</source>
        <translation>Der Ordner für die Einstellungen &quot;%1&quot; konnte nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>The grade cutoff %1 in the settings (&quot;%2&quot;) is not a whole number; the default %3 is used.</source>
        <translation>Die Notengrenze %1 in den Einstellungen (&quot;%2&quot;) ist keine ganze Zahl; es gilt der Standardwert %3.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. %2</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; konnte nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a regular file and was ignored.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; ist keine normale Datei und wurde nicht beachtet.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is larger than 1 MiB and was ignored.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; ist größer als 1 MiB und wurde nicht beachtet.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; contains NUL bytes; they were read as spaces.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; enthält NUL-Bytes; sie wurden als Leerzeichen gelesen.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 It was left as it is.</source>
        <translation>%1 Sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>it ends before the class is complete</source>
        <translation>sie endet, bevor die Klasse vollständig ist</translation>
    </message>
    <message>
        <source>it holds a damaged text field</source>
        <translation>sie enthält ein beschädigtes Textfeld</translation>
    </message>
    <message>
        <source>it says it holds %1 students (at most %2)</source>
        <translation>sie gibt an, %1 Schüler zu enthalten (höchstens %2)</translation>
    </message>
    <message>
        <source>it says it holds %1 assignments (at most %2)</source>
        <translation>sie gibt an, %1 Aufgaben zu enthalten (höchstens %2)</translation>
    </message>
    <message>
        <source>Assignment %1: the points possible are not a number</source>
        <translation>Aufgabe %1: Die erreichbaren Punkte sind keine Zahl</translation>
    </message>
    <message>
        <source>Assignment %1: the points possible are infinite</source>
        <translation>Aufgabe %1: Die erreichbaren Punkte sind unendlich</translation>
    </message>
    <message>
        <source>Assignment %1: a score is not a number</source>
        <translation>Aufgabe %1: Eine Punktzahl ist keine Zahl</translation>
    </message>
    <message>
        <source>Assignment %1: a score is infinite</source>
        <translation>Aufgabe %1: Eine Punktzahl ist unendlich</translation>
    </message>
    <message>
        <source>its assignment %1 has %2 score entries (at most %3)</source>
        <translation>ihre Aufgabe %1 hat %2 Punkteinträge (höchstens %3)</translation>
    </message>
    <message>
        <source>a record ends early</source>
        <translation>ein Datensatz endet zu früh</translation>
    </message>
    <message>
        <source>a category name is damaged</source>
        <translation>ein Kategoriename ist beschädigt</translation>
    </message>
    <message>
        <source>it holds %1 categories (1 to %2)</source>
        <translation>sie enthält %1 Kategorien (1 bis %2)</translation>
    </message>
    <message>
        <source>a category name is longer than %1 characters</source>
        <translation>ein Kategoriename ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>a category&apos;s weight or drop count is out of range</source>
        <translation>Gewicht oder Streichzahl einer Kategorie liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>a categories record is longer than it holds</source>
        <translation>ein Kategoriedatensatz ist länger als sein Inhalt</translation>
    </message>
    <message>
        <source>its assignment categories do not match the assignments</source>
        <translation>die Kategorien der Aufgaben passen nicht zu den Aufgaben</translation>
    </message>
    <message>
        <source>assignment %1 is in no category</source>
        <translation>Aufgabe %1 gehört zu keiner Kategorie</translation>
    </message>
    <message>
        <source>its marks record does not hold what it counts</source>
        <translation>der Datensatz der Vermerke enthält nicht, was er angibt</translation>
    </message>
    <message>
        <source>it marks a score the class does not hold</source>
        <translation>sie vermerkt eine Punktzahl, die die Klasse nicht enthält</translation>
    </message>
    <message>
        <source>a record runs past the block</source>
        <translation>ein Datensatz reicht über den Block hinaus</translation>
    </message>
    <message>
        <source>a record appears twice</source>
        <translation>ein Datensatz kommt doppelt vor</translation>
    </message>
    <message>
        <source>its assignment categories come before the categories</source>
        <translation>die Kategorien der Aufgaben stehen vor den Kategorien</translation>
    </message>
    <message>
        <source>it gives the assignments no categories</source>
        <translation>sie weist den Aufgaben keine Kategorien zu</translation>
    </message>
    <message>
        <source>it ends inside its header</source>
        <translation>sie endet mitten in ihrem Kopf</translation>
    </message>
    <message>
        <source>it is of version %1, newer than this program</source>
        <translation>sie hat die Version %1, neuer als dieses Programm</translation>
    </message>
    <message>
        <source>it runs past the end of the file</source>
        <translation>sie reicht über das Ende der Datei hinaus</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>ihre Prüfsumme stimmt nicht</translation>
    </message>
</context>
<context>
    <name>FieldReader</name>
    <message>
        <source>&quot;%1&quot; holds more than %2 characters. Please shorten it.</source>
        <translation>„%1“ hat mehr als %2 Zeichen. Bitte kürzen Sie den Text.</translation>
    </message>
    <message>
        <source>Please enter a number in &quot;%1&quot;.</source>
        <translation>Bitte geben Sie bei „%1“ eine Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a whole number in &quot;%1&quot;.</source>
        <translation>Bitte geben Sie bei „%1“ eine ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Markwise Data Files (*.mkw)</source>
        <translation>Markwise-Dateien (*.mkw)</translation>
    </message>
</context>
<context>
    <name>HistogramWords</name>
    <message>
        <source>1 square = 0 students</source>
        <extracomment>The histogram&apos;s legend: one red square of a bar stands for this many students.</extracomment>
        <translation>1 Kästchen = 0 Schüler</translation>
    </message>
    <message>
        <source>1 square = 1 student</source>
        <translation>1 Kästchen = 1 Schüler</translation>
    </message>
    <message>
        <source>1 square = %1 students</source>
        <extracomment>%1 is a whole number, 2 or more.</extracomment>
        <translation>1 Kästchen = %1 Schüler</translation>
    </message>
    <message>
        <source>1 square = 1/%1 student</source>
        <extracomment>%1 squares stand for one student: each square is 1/%1 of a student.</extracomment>
        <translation>1 Kästchen = 1/%1 Schüler</translation>
    </message>
</context>
<context>
    <name>InterchangeCommands</name>
    <message>
        <source>Markwise CSV, everything the class holds (*.csv)</source>
        <translation>Markwise-CSV, alles, was die Klasse enthält (*.csv)</translation>
    </message>
    <message>
        <source>Canvas grade book CSV (*.csv)</source>
        <translation>Canvas-Notenbuch als CSV (*.csv)</translation>
    </message>
    <message>
        <source>Moodle grade import CSV (*.csv)</source>
        <translation>Moodle-Bewertungsimport als CSV (*.csv)</translation>
    </message>
    <message>
        <source>Markwise CSV for spreadsheets, UTF-8 with byte-order mark (*.csv)</source>
        <translation>Markwise-CSV für Tabellenkalkulationen, UTF-8 mit Byte-Order-Mark (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>Excel workbook of every open class, one sheet each (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe aller offenen Klassen, je Klasse ein Tabellenblatt (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import Scores</source>
        <translation>Punkte importieren</translation>
    </message>
</context>
<context>
    <name>NumberForm</name>
    <message>
        <source>%1%</source>
        <extracomment>How a percentage is written; %1 is the number. German, French and Spanish put a no-break space before the sign.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>PrintServices</name>
    <message>
        <source>The print job could not be started.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Student report for %1</source>
        <extracomment>A student report&apos;s heading; %1 is the student&apos;s name.</extracomment>
        <translation>Schülerbericht für %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Erreicht</translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Möglich</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Class roster for %1</source>
        <translation>Klassenliste %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Grade level</source>
        <extracomment>The roster&apos;s column of grade levels (school years).</extracomment>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Book#</source>
        <translation>Buch-Nr.</translation>
    </message>
    <message>
        <source>Phone#</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Progress Report List for %1   Cut-off = %2</source>
        <extracomment>%1 is the class&apos;s title, %2 the cut-off percentage.</extracomment>
        <translation>Lernstandsberichte für %1   Grenze = %2</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>IDs</source>
        <translation>IDs</translation>
    </message>
    <message>
        <source>By category:</source>
        <extracomment>Over the grading policy&apos;s categories on a student report.</extracomment>
        <translation>Nach Kategorie:</translation>
    </message>
    <message>
        <source>weight %1</source>
        <extracomment>A category&apos;s weight in the grade; %1 is the number.</extracomment>
        <translation>Gewichtung %1</translation>
    </message>
    <message>
        <source>dropped: %1</source>
        <extracomment>The assignments a category dropped from the grade; %1 lists their numbers.</extracomment>
        <translation>gestrichen: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One category&apos;s line: %1 is its name and weight, %2 its percent.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>(dropped)</source>
        <extracomment>Beside a score the grading policy dropped as one of the lowest.</extracomment>
        <translation>(gestrichen)</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>Nach unten füllen</translation>
    </message>
    <message>
        <source>Edit Assignment</source>
        <translation>Aufgabe bearbeiten</translation>
    </message>
</context>
<context>
    <name>SheetPrintJob</name>
    <message>
        <source>Grade Sheet</source>
        <translation>Notenliste</translation>
    </message>
    <message>
        <source>All assignments</source>
        <translation>Alle Aufgaben</translation>
    </message>
</context>
<context>
    <name>SheetTableAccessible</name>
    <message>
        <source>Grade sheet</source>
        <translation>Notenliste</translation>
    </message>
    <message>
        <source>out of %1 points</source>
        <translation>von %1 Punkten</translation>
    </message>
</context>
<context>
    <name>SheetWords</name>
    <message>
        <source>Totals</source>
        <extracomment>Heading over each student&apos;s points received, percent and letter grade.</extracomment>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>(not counted)</source>
        <extracomment>After the title of an assignment that does not count in the totals.</extracomment>
        <translation>(zählt nicht)</translation>
    </message>
</context>
<context>
    <name>StudentFieldBoxes</name>
    <message>
        <source>Last Name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Student ID:</source>
        <translation>Schüler-ID:</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Klassenstufe:</translation>
    </message>
    <message>
        <source>Book Number:</source>
        <translation>Buchnummer:</translation>
    </message>
    <message>
        <source>Telephone Number:</source>
        <translation>Telefonnummer:</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Schüler-ID</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Klassenstufe</translation>
    </message>
    <message>
        <source>Book Number</source>
        <translation>Buchnummer</translation>
    </message>
    <message>
        <source>Telephone Number</source>
        <translation>Telefonnummer</translation>
    </message>
</context>
<context>
    <name>StudentFind</name>
    <message>
        <source>Find Student</source>
        <translation>Schüler suchen</translation>
    </message>
    <message>
        <source>Name or ID contains:</source>
        <translation>Name oder ID enthält:</translation>
    </message>
    <message>
        <source>No student&apos;s name or ID contains &quot;%1&quot;.</source>
        <translation>Kein Name und keine ID eines Schülers enthält „%1“.</translation>
    </message>
</context>
<context>
    <name>Summaries</name>
    <message>
        <source>Grade Distribution</source>
        <translation>Notenspiegel</translation>
    </message>
</context>
<context>
    <name>UiSeam</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Open Anyway</source>
        <translation>&amp;Trotzdem öffnen</translation>
    </message>
    <message>
        <source>O&amp;verwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>markwise::CAboutDlg</name>
    <message>
        <source>About Markwise</source>
        <translation>Über Markwise</translation>
    </message>
    <message>
        <source>Markwise Version 1.0</source>
        <translation>Markwise Version 1.0</translation>
    </message>
    <message>
        <source>A grade book for teachers.</source>
        <translation>Ein Notenbuch für Lehrkräfte.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Splash Screen</source>
        <translation>Startbild</translation>
    </message>
</context>
<context>
    <name>markwise::CDocManager</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1 is already open in another Markwise window (process %2). Open it anyway?</source>
        <translation>%1 ist bereits in einem anderen Markwise-Fenster geöffnet (Prozess %2). Trotzdem öffnen?</translation>
    </message>
</context>
<context>
    <name>markwise::CDocument</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1 was deleted on disk; it has been written again.</source>
        <translation>%1 wurde auf der Festplatte gelöscht; die Datei wurde neu geschrieben.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened or saved here.</source>
        <translation>%1 wurde auf der Festplatte geändert, seit die Datei hier geöffnet oder gespeichert wurde.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>The grading policy of %1 could not be read when it was opened. Save it without its grading policy and score marks?</source>
        <translation>Die Notengewichtung von %1 konnte beim Öffnen nicht gelesen werden. Ohne Notengewichtung und ohne die Vermerke EX (entschuldigt) und M (fehlt) speichern?</translation>
    </message>
</context>
<context>
    <name>markwise::CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Hilfe erhalten Sie mit F1</translation>
    </message>
    <message>
        <source>The command could not be carried out.</source>
        <translation>Der Befehl konnte nicht ausgeführt werden.</translation>
    </message>
</context>
<context>
    <name>markwise::CMarkwiseApp</name>
    <message>
        <source>Some settings could not be read:
</source>
        <translation>Einige Einstellungen konnten nicht gelesen werden:
</translation>
    </message>
    <message>
        <source>

The settings file is left as it is until you choose OK in Preferences.</source>
        <translation>

Die Einstellungsdatei bleibt unverändert, bis Sie in den Einstellungen OK wählen.</translation>
    </message>
    <message>
        <source>Markwise Help</source>
        <translation>Markwise-Hilfe</translation>
    </message>
</context>
<context>
    <name>markwise::CMarkwiseView</name>
    <message>
        <source>Sort by Name</source>
        <translation>Nach Name sortieren</translation>
    </message>
    <message>
        <source>Sort by Total Grade</source>
        <translation>Nach Gesamtnote sortieren</translation>
    </message>
    <message>
        <source>Sort Randomly</source>
        <translation>Zufällig sortieren</translation>
    </message>
    <message>
        <source>You haven&apos;t created any students yet!</source>
        <translation>Sie haben noch keine Schüler angelegt!</translation>
    </message>
</context>
<context>
    <name>markwise::CProgressView</name>
    <message>
        <source>Discard the progress report comments?</source>
        <translation>Die Bemerkungen der Lernstandsberichte verwerfen?</translation>
    </message>
</context>
<context>
    <name>markwise::CRecoveryCopies</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Recovery copies cannot be written: a crash would lose your changes.</source>
        <translation>Sicherungskopien können nicht geschrieben werden: Bei einem Absturz gingen Ihre Änderungen verloren.</translation>
    </message>
    <message>
        <source>Markwise cannot write recovery copies in &quot;%1&quot;, so a crash would lose the changes made since the last save. %2

Save your work. Markwise tries again at the next change.</source>
        <translation>Markwise kann in „%1“ keine Sicherungskopien schreiben; bei einem Absturz gingen die Änderungen seit dem letzten Speichern verloren. %2

Speichern Sie Ihre Arbeit. Markwise versucht es bei der nächsten Änderung erneut.</translation>
    </message>
    <message>
        <source>Markwise did not close normally. Recover these classes?
</source>
        <translation>Markwise wurde nicht normal beendet. Diese Klassen wiederherstellen?
</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>nie gespeichert</translation>
    </message>
</context>
<context>
    <name>markwise::CRosterView</name>
    <message>
        <source>Sort by Name</source>
        <translation>Nach Name sortieren</translation>
    </message>
</context>
<context>
    <name>markwise::CWindowList</name>
    <message>
        <source>&amp;More Windows...</source>
        <translation>&amp;Weitere Fenster...</translation>
    </message>
    <message>
        <source>Select Window</source>
        <translation>Fenster wählen</translation>
    </message>
    <message>
        <source>&amp;Select Window:</source>
        <translation>&amp;Fenster wählen:</translation>
    </message>
</context>
<context>
    <name>markwise::SheetCellEditor</name>
    <message>
        <source>Student Points</source>
        <translation>Punkte des Schülers</translation>
    </message>
</context>
</TS>
