<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CAddStudentDlg</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Add New Student</source>
        <translation>Ajouter un nouvel élève</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Informations de base</translation>
    </message>
    <message>
        <source>Extended Information</source>
        <translation>Informations complémentaires</translation>
    </message>
    <message>
        <source>Press TAB to move between items, and ENTER to add names.  You can also do this with the mouse.</source>
        <translation>Appuyez sur TAB pour passer d&apos;un champ à l&apos;autre et sur ENTRÉE pour ajouter le nom.  Vous pouvez aussi utiliser la souris.</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Ajouter l&apos;élève</translation>
    </message>
    <message>
        <source>All Name slots full!</source>
        <translation>Toutes les places d&apos;élèves sont occupées !</translation>
    </message>
</context>
<context>
    <name>CAssignmentSummaryDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Devoirs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Histogram...</source>
        <translation>Histogramme...</translation>
    </message>
    <message>
        <source>Assignment Summary</source>
        <translation>Statistiques du devoir</translation>
    </message>
    <message>
        <source>Avg Received:</source>
        <translation>Moyenne obtenue :</translation>
    </message>
    <message>
        <source>High Received:</source>
        <translation>Maximum obtenu :</translation>
    </message>
    <message>
        <source>Low Received:</source>
        <translation>Minimum obtenu :</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Choisissez le devoir :</translation>
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
        <translation>Histogramme...</translation>
    </message>
    <message>
        <source>Class Summary</source>
        <translation>Statistiques de la classe</translation>
    </message>
    <message>
        <source>Avg Total:</source>
        <translation>Moyenne totale :</translation>
    </message>
    <message>
        <source>High Total:</source>
        <translation>Total le plus haut :</translation>
    </message>
    <message>
        <source>Low Total:</source>
        <translation>Total le plus bas :</translation>
    </message>
</context>
<context>
    <name>CEditAssignmentDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Devoirs</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Fast Edit</source>
        <translation>Saisie rapide</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Edit Assignment</source>
        <translation>Modifier le devoir</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Choisissez le devoir :</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Choisissez l&apos;élève :</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Points Possible:</source>
        <translation>Points possibles :</translation>
    </message>
    <message>
        <source>Student Points:</source>
        <translation>Points de l&apos;élève :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Points Possible</source>
        <translation>Points possibles</translation>
    </message>
    <message>
        <source>Student Points</source>
        <translation>Points de l&apos;élève</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Fast Edit scores</source>
        <translation>Points en saisie rapide</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
</context>
<context>
    <name>CEditStudentDlg</name>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Edit Student</source>
        <translation>Modifier l&apos;élève</translation>
    </message>
    <message>
        <source>Edit Student Data</source>
        <translation>Modifier les données de l&apos;élève</translation>
    </message>
    <message>
        <source>Select a name, make any changes, then click Update.</source>
        <translation>Choisissez un nom, faites vos modifications, puis cliquez sur Mettre à jour.</translation>
    </message>
    <message>
        <source>Select Name:</source>
        <translation>Choisissez le nom :</translation>
    </message>
</context>
<context>
    <name>CExcludeAssignmentsDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Devoirs</translation>
    </message>
    <message>
        <source>Don&apos;t Exclude</source>
        <translation>Ne pas exclure</translation>
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
        <source>Exclude Assignments</source>
        <translation>Exclure des devoirs</translation>
    </message>
    <message>
        <source>Select the first assignment you want included in the grade.  Select  Don&apos;t Exclude to remove the exclusion from the grade.  Note that the exclusion state is not saved with the document.  Click OK when done.</source>
        <translation>Choisissez le premier devoir à compter dans la note.  Cochez Ne pas exclure pour annuler l&apos;exclusion.  L&apos;exclusion n&apos;est pas enregistrée avec le document.  Cliquez sur OK pour terminer.</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Choisissez le devoir :</translation>
    </message>
</context>
<context>
    <name>CGradingPolicyDlg</name>
    <message>
        <source>Weights: %1</source>
        <extracomment>%1 lists each category&apos;s share of the weights.</extracomment>
        <translation>Pondération : %1</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Assignments in the category</source>
        <translation>Devoirs de la catégorie</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Ajouter...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
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
        <source>Grading Policy</source>
        <translation>Pondération des notes</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Catégories :</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Coefficient :</translation>
    </message>
    <message>
        <source>Drop lowest:</source>
        <translation>Retirer les plus basses :</translation>
    </message>
    <message>
        <source>Assignments in this category:</source>
        <translation>Devoirs de cette catégorie :</translation>
    </message>
    <message>
        <source>Move to:</source>
        <translation>Déplacer vers :</translation>
    </message>
    <message>
        <source>No categories: grades count points only.</source>
        <translation>Aucune catégorie : les notes ne comptent que les points.</translation>
    </message>
    <message>
        <source>The weight must be a number of 0 or more.</source>
        <translation>Le coefficient doit être un nombre supérieur ou égal à 0.</translation>
    </message>
    <message>
        <source>Drop lowest must be a whole number of 0 or more.</source>
        <translation>« Retirer les plus basses » doit être un nombre entier supérieur ou égal à 0.</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>Nom de la catégorie :</translation>
    </message>
    <message>
        <source>A category name can be at most %1 characters long.</source>
        <translation>Le nom d&apos;une catégorie ne peut pas dépasser %1 caractères.</translation>
    </message>
    <message>
        <source>A class can have at most %1 categories.</source>
        <translation>Une classe peut avoir au plus %1 catégories.</translation>
    </message>
    <message>
        <source>Add Category</source>
        <translation>Ajouter une catégorie</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Renommer la catégorie</translation>
    </message>
</context>
<context>
    <name>CHistogramDlg</name>
    <message>
        <source>Grade Distribution Histogram</source>
        <translation>Histogramme de la répartition des notes</translation>
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
        <translation>Ignorée</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Name (last, first)</source>
        <translation>Nom (nom, prénom)</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Numéro d&apos;élève</translation>
    </message>
    <message>
        <source>Grade level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Book number</source>
        <translation>Numéro de livre</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Columns of %1</source>
        <translation>Colonnes de %1</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Devient</translation>
    </message>
    <message>
        <source>Points possible</source>
        <translation>Points possibles</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>Va dans</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>The file gives no points possible: %1 is only the highest score. Check it.</source>
        <translation>Le fichier n&apos;indique pas les points possibles : %1 n&apos;est que la note la plus haute. Vérifiez-la.</translation>
    </message>
    <message>
        <source>A new assignment</source>
        <translation>Un nouveau devoir</translation>
    </message>
    <message>
        <source>Matched by its title without the platform&apos;s marks.</source>
        <translation>Associé par son titre, sans les marques de la plateforme.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Each column of the file and what it becomes. Change any that is wrong.</source>
        <translation>Chaque colonne du fichier et ce qu&apos;elle devient. Corrigez ce qui est faux.</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot;: please enter a number in &quot;Points possible&quot;.</source>
        <translation>Colonne « %1 » : saisissez un nombre dans « Points possibles ».</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Scores</source>
        <translation>Importer les notes</translation>
    </message>
    <message>
        <source>By &amp;student ID</source>
        <translation>Par &amp;numéro d&apos;élève</translation>
    </message>
    <message>
        <source>By &amp;last and first name</source>
        <translation>Par n&amp;om et prénom</translation>
    </message>
    <message>
        <source>Match the file&apos;s rows to students:</source>
        <translation>Associer les lignes du fichier aux élèves :</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Scores from %1</source>
        <translation>Importer les notes de %1</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Devoir</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Ancienne</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>student matched</source>
        <translation>élève associé</translation>
    </message>
    <message>
        <source>students matched</source>
        <translation>élèves associés</translation>
    </message>
    <message>
        <source>row skipped</source>
        <translation>ligne ignorée</translation>
    </message>
    <message>
        <source>rows skipped</source>
        <translation>lignes ignorées</translation>
    </message>
    <message>
        <source>assignment added</source>
        <translation>devoir ajouté</translation>
    </message>
    <message>
        <source>assignments added</source>
        <translation>devoirs ajoutés</translation>
    </message>
    <message>
        <source>score changed</source>
        <translation>note modifiée</translation>
    </message>
    <message>
        <source>scores changed</source>
        <translation>notes modifiées</translation>
    </message>
    <message>
        <source>Columns left out (the columns list says why)</source>
        <translation>Colonnes laissées de côté (la liste des colonnes dit pourquoi)</translation>
    </message>
    <message>
        <source>Rows skipped: no student matches them</source>
        <translation>Lignes ignorées : aucun élève ne correspond</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>Assignments added</source>
        <translation>Devoirs ajoutés</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Scores changed</source>
        <translation>Notes modifiées</translation>
    </message>
    <message>
        <source>The file changes no score.</source>
        <translation>Le fichier ne modifie aucune note.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Create New Assignment</source>
        <translation>Créer un nouveau devoir</translation>
    </message>
    <message>
        <source>Assignment Title:</source>
        <translation>Titre du devoir :</translation>
    </message>
    <message>
        <source>Points Possible:</source>
        <translation>Points possibles :</translation>
    </message>
    <message>
        <source>Assignment Description (optional):</source>
        <translation>Description du devoir (facultative) :</translation>
    </message>
    <message>
        <source>All Assignment slots full!</source>
        <translation>Toutes les places de devoirs sont occupées !</translation>
    </message>
    <message>
        <source>Assignment Title</source>
        <translation>Titre du devoir</translation>
    </message>
    <message>
        <source>Points Possible</source>
        <translation>Points possibles</translation>
    </message>
    <message>
        <source>Assignment Description</source>
        <translation>Description du devoir</translation>
    </message>
    <message>
        <source>New Assignment</source>
        <translation>Nouveau devoir</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Grade Cutoffs</source>
        <translation>Seuils des notes</translation>
    </message>
    <message>
        <source>Enter the minimum values in percent for each letter grade.</source>
        <translation>Saisissez le minimum en pourcentage de chaque note.</translation>
    </message>
    <message>
        <source>The grade cutoffs could not be saved in your settings:
%1
They apply until Markwise closes.</source>
        <translation>Les seuils des notes n&apos;ont pas pu être enregistrés dans vos réglages :
%1
Ils s&apos;appliquent jusqu&apos;à la fermeture de Markwise.</translation>
    </message>
</context>
<context>
    <name>CProgressReportsDlg</name>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Find Students</source>
        <translation>Chercher les élèves</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Update Comment</source>
        <translation>Mettre à jour l&apos;appréciation</translation>
    </message>
    <message>
        <source>Progress Reports</source>
        <translation>Bilans de progression</translation>
    </message>
    <message>
        <source>Issue Progress reports to students at or below</source>
        <translation>Établir un bilan pour les élèves à</translation>
    </message>
    <message>
        <source>Percent.</source>
        <translation>pour cent ou moins.</translation>
    </message>
    <message>
        <source>Edit Comments</source>
        <translation>Modifier les appréciations</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Choisissez l&apos;élève :</translation>
    </message>
    <message>
        <source>Percent:</source>
        <translation>Pourcentage :</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Current Comment:</source>
        <translation>Appréciation actuelle :</translation>
    </message>
    <message>
        <source>No Students found below that percentage</source>
        <translation>Aucun élève trouvé sous ce pourcentage</translation>
    </message>
</context>
<context>
    <name>CRemoveAssignmentDlg</name>
    <message>
        <source>Remove Assignment</source>
        <translation>Supprimer le devoir</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Choisissez le devoir :</translation>
    </message>
    <message>
        <source>After selecting an assignment, click &quot;Remove.&quot;  The assignment will be removed and all data lost.  To recover this data, re-open the document.</source>
        <translation>Après avoir choisi un devoir, cliquez sur « Supprimer ».  Le devoir sera supprimé et toutes ses données perdues.  Pour les récupérer, rouvrez le document.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this assignment?
Clicking OK will result in the loss of all data entered for that assignment!</source>
        <translation>Voulez-vous vraiment supprimer ce devoir ?
En cliquant sur OK, toutes les données saisies pour ce devoir seront perdues !</translation>
    </message>
</context>
<context>
    <name>CRemoveEntryDlg</name>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CRemoveStudentDlg</name>
    <message>
        <source>Remove Student</source>
        <translation>Supprimer l&apos;élève</translation>
    </message>
    <message>
        <source>Select Name:</source>
        <translation>Choisissez le nom :</translation>
    </message>
    <message>
        <source>After selecting a name, click &quot;Remove.&quot;  The student will be removed and all data lost.  To recover this data, re-open the document.</source>
        <translation>Après avoir choisi un nom, cliquez sur « Supprimer ».  L&apos;élève sera supprimé et toutes ses données perdues.  Pour les récupérer, rouvrez le document.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this student?
Clicking OK will result in the loss of all data entered for that student!</source>
        <translation>Voulez-vous vraiment supprimer cet élève ?
En cliquant sur OK, toutes les données saisies pour cet élève seront perdues !</translation>
    </message>
    <message>
        <source>You can&apos;t remove all the students!  If you want to replace this student, select Edit Student from the student Menu, and change all of the information.</source>
        <translation>Vous ne pouvez pas supprimer tous les élèves !  Pour remplacer cet élève, choisissez Modifier l&apos;élève dans le menu Élève et changez toutes les informations.</translation>
    </message>
</context>
<context>
    <name>CSortByAssignmentDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Devoirs</translation>
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
        <source>Sort by Assignment Grade</source>
        <translation>Trier par note d&apos;un devoir</translation>
    </message>
    <message>
        <source>Select the Assignment from the list at the left and press OK.  The grades in that assignment will be sorted in descending order.</source>
        <translation>Choisissez le devoir dans la liste de gauche et cliquez sur OK.  Les notes de ce devoir seront triées par ordre décroissant.</translation>
    </message>
    <message>
        <source>Which Assignment?</source>
        <translation>Quel devoir ?</translation>
    </message>
</context>
<context>
    <name>CStudentReportDlg</name>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Student Report</source>
        <translation>Relevé de l&apos;élève</translation>
    </message>
    <message>
        <source>Select the student for whom you wish to generate the report and then click OK.  Once the report appears, print it by choosing Print from the file menu.</source>
        <translation>Choisissez l&apos;élève dont vous voulez le relevé, puis cliquez sur OK.  Une fois le relevé affiché, imprimez-le avec Imprimer dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Choisissez l&apos;élève :</translation>
    </message>
</context>
<context>
    <name>CStudentSummaryDlg</name>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Student Summary</source>
        <translation>Statistiques de l&apos;élève</translation>
    </message>
    <message>
        <source>Current Total:</source>
        <translation>Total actuel :</translation>
    </message>
    <message>
        <source>Current Possible:</source>
        <translation>Possible actuel :</translation>
    </message>
    <message>
        <source>Current Percent:</source>
        <translation>Pourcentage actuel :</translation>
    </message>
    <message>
        <source>Current Grade</source>
        <translation>Note actuelle</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Choisissez l&apos;élève :</translation>
    </message>
    <message>
        <source>By Category</source>
        <translation>Par catégorie</translation>
    </message>
    <message>
        <source>By Category:</source>
        <translation>Par catégorie :</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new data file
New</source>
        <translation>Créer un nouveau fichier de données
Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Fermer le document actif
Fermer</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistrer le document actif sous un autre nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Open a class list or grade book saved as CSV as a new class
Import</source>
        <translation>Ouvrir comme nouvelle classe une liste ou un carnet de notes enregistré en CSV
Importer</translation>
    </message>
    <message>
        <source>I&amp;mport Scores...</source>
        <translation>Importer les no&amp;tes...</translation>
    </message>
    <message>
        <source>Bring scores from a CSV file into the active class
Import Scores</source>
        <translation>Reprendre les notes d&apos;un fichier CSV dans la classe active
Importer les notes</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Save the active class as CSV for a spreadsheet or learning platform
Export</source>
        <translation>Enregistrer la classe active en CSV pour un tableur ou une plateforme d&apos;apprentissage
Exporter</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher les pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Changer d&apos;imprimante et d&apos;options d&apos;impression
Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Annuler la dernière modification
Annuler</translation>
    </message>
    <message>
        <source>R&amp;edo	Ctrl+Y</source>
        <translation>&amp;Rétablir	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the change last undone
Redo</source>
        <translation>Rétablir la dernière modification annulée
Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selected scores, or the whole grade sheet, to the clipboard
Copy</source>
        <translation>Copier dans le presse-papiers les notes choisies ou toute la feuille de notes
Copier</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;oller	Ctrl+V</translation>
    </message>
    <message>
        <source>Put scores copied from a spreadsheet into the sheet from the current cell on
Paste</source>
        <translation>Coller à partir de la cellule courante les notes copiées d&apos;un tableur
Coller</translation>
    </message>
    <message>
        <source>Fill &amp;Down	Ctrl+D</source>
        <translation>Recopier vers le &amp;bas	Ctrl+D</translation>
    </message>
    <message>
        <source>Copy the top score of the selected cells down to the others
Fill Down</source>
        <translation>Recopier la première note des cellules choisies dans les autres
Recopier vers le bas</translation>
    </message>
    <message>
        <source>&amp;Find Student...	Ctrl+F</source>
        <translation>Rechercher un &amp;élève...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find a student whose name or ID contains a text
Find Student</source>
        <translation>Rechercher un élève dont le nom ou le numéro contient un texte
Rechercher un élève</translation>
    </message>
    <message>
        <source>Find &amp;Next	F3</source>
        <translation>Rechercher le &amp;suivant	F3</translation>
    </message>
    <message>
        <source>Find the next student with the same text
Find Next</source>
        <translation>Rechercher l&apos;élève suivant avec le même texte
Rechercher le suivant</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>Change Certain Options
Preferences</source>
        <translation>Modifier certaines options
Préférences</translation>
    </message>
    <message>
        <source>&amp;View Class Roster...</source>
        <translation>&amp;Liste de la classe...</translation>
    </message>
    <message>
        <source>View a class roster
Class Roster</source>
        <translation>Afficher la liste de la classe
Liste de la classe</translation>
    </message>
    <message>
        <source>&amp;Progress Reports...</source>
        <translation>&amp;Bilans de progression...</translation>
    </message>
    <message>
        <source>Generate progress reports
Progress Reports</source>
        <translation>Établir des bilans de progression
Bilans de progression</translation>
    </message>
    <message>
        <source>&amp;Exclude Assignments...</source>
        <translation>&amp;Exclure des devoirs...</translation>
    </message>
    <message>
        <source>Allows you to only count grades after a specific assignment
Exclude Assignments</source>
        <translation>Ne compter que les notes à partir d&apos;un devoir donné
Exclure des devoirs</translation>
    </message>
    <message>
        <source>&amp;Class Summary...</source>
        <translation>&amp;Statistiques de la classe...</translation>
    </message>
    <message>
        <source>Obtain a class summary
Class Summary</source>
        <translation>Afficher les statistiques de la classe
Statistiques de la classe</translation>
    </message>
    <message>
        <source>&amp;New Assignment...</source>
        <translation>&amp;Nouveau devoir...</translation>
    </message>
    <message>
        <source>Create New Assignment
New Assignment</source>
        <translation>Créer un nouveau devoir
Nouveau devoir</translation>
    </message>
    <message>
        <source>&amp;Remove Assignment...</source>
        <translation>&amp;Supprimer le devoir...</translation>
    </message>
    <message>
        <source>Remove an Assignment
Remove Assignment</source>
        <translation>Supprimer un devoir
Supprimer le devoir</translation>
    </message>
    <message>
        <source>&amp;Edit Assignment...</source>
        <translation>&amp;Modifier le devoir...</translation>
    </message>
    <message>
        <source>Edit an Assignment
Edit Assignment</source>
        <translation>Modifier un devoir
Modifier le devoir</translation>
    </message>
    <message>
        <source>Assignment &amp;Summary...</source>
        <translation>S&amp;tatistiques du devoir...</translation>
    </message>
    <message>
        <source>Obtain an Assignment Summary
Assignment Summary</source>
        <translation>Afficher les statistiques d&apos;un devoir
Statistiques du devoir</translation>
    </message>
    <message>
        <source>&amp;New Student...</source>
        <translation>&amp;Nouvel élève...</translation>
    </message>
    <message>
        <source>Create New Student
New Student</source>
        <translation>Créer un nouvel élève
Nouvel élève</translation>
    </message>
    <message>
        <source>&amp;Remove Student...</source>
        <translation>&amp;Supprimer l&apos;élève...</translation>
    </message>
    <message>
        <source>Remove a Student
Remove Student</source>
        <translation>Supprimer un élève
Supprimer l&apos;élève</translation>
    </message>
    <message>
        <source>&amp;Edit Student...</source>
        <translation>&amp;Modifier l&apos;élève...</translation>
    </message>
    <message>
        <source>Edit a Student
Edit Student</source>
        <translation>Modifier un élève
Modifier l&apos;élève</translation>
    </message>
    <message>
        <source>Student &amp;Summary...</source>
        <translation>S&amp;tatistiques de l&apos;élève...</translation>
    </message>
    <message>
        <source>Obtain a Student Summary
Student Summary</source>
        <translation>Afficher les statistiques d&apos;un élève
Statistiques de l&apos;élève</translation>
    </message>
    <message>
        <source>S&amp;tudent Report...</source>
        <translation>&amp;Relevé de l&apos;élève...</translation>
    </message>
    <message>
        <source>View a student report, which can be printed
Student Report</source>
        <translation>Afficher le relevé d&apos;un élève, imprimable
Relevé de l&apos;élève</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>Par &amp;nom</translation>
    </message>
    <message>
        <source>Sort the Student List By Name
Sort by Name</source>
        <translation>Trier la liste des élèves par nom
Trier par nom</translation>
    </message>
    <message>
        <source>By &amp;Total Grade</source>
        <translation>Par note &amp;globale</translation>
    </message>
    <message>
        <source>Sort the Student List by Total Grade
Sort by Total Grade</source>
        <translation>Trier la liste des élèves par note globale
Trier par note globale</translation>
    </message>
    <message>
        <source>By &amp;Assignment Grade...</source>
        <translation>Par note d&apos;un &amp;devoir...</translation>
    </message>
    <message>
        <source>Sort the Student List by Assignment Grade
Sort by Assignment Grade</source>
        <translation>Trier la liste des élèves par la note d&apos;un devoir
Trier par note d&apos;un devoir</translation>
    </message>
    <message>
        <source>&amp;Randomly</source>
        <translation>&amp;Aléatoirement</translation>
    </message>
    <message>
        <source>Shuffles the list of students
Sort Randomly</source>
        <translation>Mélange la liste des élèves
Trier aléatoirement</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d&apos;outils
Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Barre d&apos;état</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Numéro d&apos;élève</translation>
    </message>
    <message>
        <source>Changes whether Students are listed by ID or by Name
Student ID</source>
        <translation>Affiche les élèves par numéro ou par nom
Numéro d&apos;élève</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ouvrir une autre fenêtre pour le document actif
Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Disposer les fenêtres en cascade
Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Disposer les fenêtres en mosaïque
Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Ranger les icônes en bas de la fenêtre
Réorganiser les icônes</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Afficher les rubriques d&apos;aide
Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Markwise...</source>
        <translation>À &amp;propos de Markwise...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations du programme, sa version et son copyright
À propos</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Défiler vers la gauche</translation>
    </message>
    <message>
        <source>Scroll the Assignments Left
Scroll Left</source>
        <translation>Faire défiler les devoirs vers la gauche
Défiler vers la gauche</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Défiler vers la droite</translation>
    </message>
    <message>
        <source>Scroll the Assignments Right
Scroll Right</source>
        <translation>Faire défiler les devoirs vers la droite
Défiler vers la droite</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Afficher l&apos;aide sur la tâche ou la commande en cours
Aide</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Afficher l&apos;aide sur les boutons, menus et fenêtres cliqués
Aide</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Classe</translation>
    </message>
    <message>
        <source>&amp;Assignment</source>
        <translation>&amp;Devoir</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>É&amp;lève</translation>
    </message>
    <message>
        <source>S&amp;ort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Grading Policy...</source>
        <translation>&amp;Pondération des notes...</translation>
    </message>
    <message>
        <source>Set the weighted categories of the grade and the lowest scores they drop
Grading Policy</source>
        <translation>Définir les catégories pondérées de la note et combien de notes les plus basses elles retirent
Pondération des notes</translation>
    </message>
</context>
<context>
    <name>ContextHelpMode</name>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Choisissez un élément sur lequel obtenir de l&apos;aide</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1: more than %2 columns. Delete the columns the class does not need.</source>
        <translation>%1 : plus de %2 colonnes. Supprimez les colonnes dont la classe n&apos;a pas besoin.</translation>
    </message>
    <message>
        <source>%1: more rows than a class can hold (1000 students). Split the file into classes of at most 1000 students.</source>
        <translation>%1 : plus de lignes qu&apos;une classe ne peut en contenir (1000 élèves). Partagez le fichier en classes de 1000 élèves au plus.</translation>
    </message>
    <message>
        <source>the CSV reader could not start. Close other programs, then try again.</source>
        <translation>la lecture du CSV n&apos;a pas pu démarrer. Fermez d&apos;autres programmes, puis réessayez.</translation>
    </message>
    <message>
        <source>not enough memory to read the file. Close other programs, then try again.</source>
        <translation>mémoire insuffisante pour lire le fichier. Fermez d&apos;autres programmes, puis réessayez.</translation>
    </message>
    <message>
        <source>%1: a quoted cell is not closed. Add the closing double quote.</source>
        <translation>%1 : une cellule entre guillemets n&apos;est pas fermée. Ajoutez le guillemet double de fin.</translation>
    </message>
    <message>
        <source>%1: a double quote in the wrong place. Quote the whole cell and double each quote inside it (&quot;say &quot;&quot;hi&quot;&quot;&quot;), or remove the stray quote.</source>
        <translation>%1 : un guillemet double mal placé. Mettez toute la cellule entre guillemets et doublez chaque guillemet qu&apos;elle contient (&quot;say &quot;&quot;hi&quot;&quot;&quot;), ou supprimez le guillemet en trop.</translation>
    </message>
    <message>
        <source>line 1: the file holds no header row. Start it with a line of column titles, such as &quot;Name,Quiz 1&quot;.</source>
        <translation>ligne 1 : le fichier n&apos;a pas de ligne d&apos;en-tête. Commencez-le par une ligne de titres de colonnes, par exemple &quot;Name,Quiz 1&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 is not a score. Change it, or mark the column ignored.</source>
        <translation>%1 : %2 n&apos;est pas une note. Corrigez la valeur, ou passez la colonne en « Ignorée ».</translation>
    </message>
    <message>
        <source>%1: the &quot;Points Possible&quot; and &quot;Description&quot; rows must follow the header. Move them to lines 2 and %2, as Markwise exports them.</source>
        <translation>%1 : les lignes &quot;Points Possible&quot; et &quot;Description&quot; doivent suivre l&apos;en-tête. Placez-les aux lignes 2 et %2, comme Markwise les exporte.</translation>
    </message>
    <message>
        <source>%1: more than %2 students. Split the file into classes of at most %2.</source>
        <translation>%1 : plus de %2 élèves. Partagez le fichier en classes de %2 élèves au plus.</translation>
    </message>
    <message>
        <source>%1: more than %2 assignments. Mark the columns the class does not need ignored, or split the file.</source>
        <translation>%1 : plus de %2 devoirs. Passez en « Ignorée » les colonnes dont la classe n&apos;a pas besoin, ou partagez le fichier.</translation>
    </message>
    <message>
        <source>line 1: no column holds names or student IDs. Title one &quot;Name&quot; or &quot;Student ID&quot;, or make a column a name or ID in the import&apos;s preview.</source>
        <translation>ligne 1 : aucune colonne ne contient de noms ni de numéros d&apos;élève. Intitulez-en une &quot;Name&quot; ou &quot;Student ID&quot;, ou faites d&apos;une colonne un nom ou un numéro dans l&apos;aperçu de l&apos;importation.</translation>
    </message>
    <message>
        <source>%1: the file gives no points possible. Add a &quot;Points Possible&quot; row, or the points to the title: %2.</source>
        <translation>%1 : le fichier n&apos;indique pas les points possibles. Ajoutez une ligne &quot;Points Possible&quot;, ou les points au titre : %2.</translation>
    </message>
    <message>
        <source>worked out by the platform (&quot;%1&quot; as points)</source>
        <translation>calculée par la plateforme (&quot;%1&quot; comme points)</translation>
    </message>
    <message>
        <source>holds text, not scores</source>
        <translation>contient du texte, pas des notes</translation>
    </message>
    <message>
        <source>empty and untitled</source>
        <translation>vide et sans titre</translation>
    </message>
    <message>
        <source>ignored by the teacher</source>
        <translation>ignorée par l&apos;enseignant</translation>
    </message>
    <message>
        <source>the platform&apos;s own user number</source>
        <translation>le numéro d&apos;utilisateur interne de la plateforme</translation>
    </message>
    <message>
        <source>a login name, not a score</source>
        <translation>un identifiant de connexion, pas une note</translation>
    </message>
    <message>
        <source>a profile field, not a score</source>
        <translation>un champ du profil, pas une note</translation>
    </message>
    <message>
        <source>the section, not a score</source>
        <translation>la section, pas une note</translation>
    </message>
    <message>
        <source>the time the file was downloaded</source>
        <translation>l&apos;heure à laquelle le fichier a été téléchargé</translation>
    </message>
    <message>
        <source>a total the platform works out, not an assignment</source>
        <translation>un total que calcule la plateforme, pas un devoir</translation>
    </message>
    <message>
        <source>line 1: no column holds student IDs. Title one &quot;Student ID&quot;, or match by name.</source>
        <translation>ligne 1 : aucune colonne ne contient de numéros d&apos;élève. Intitulez-en une &quot;Student ID&quot;, ou associez par nom.</translation>
    </message>
    <message>
        <source>line 1: no column holds names. Title one &quot;Name&quot; (or &quot;Last Name&quot; and &quot;First Name&quot;), or match by student ID.</source>
        <translation>ligne 1 : aucune colonne ne contient de noms. Intitulez-en une &quot;Name&quot; (ou &quot;Last Name&quot; et &quot;First Name&quot;), ou associez par numéro d&apos;élève.</translation>
    </message>
    <message>
        <source>%1: two assignments of the class have this title. Rename one of them, or choose the assignment it goes into in the preview.</source>
        <translation>%1 : deux devoirs de la classe portent ce titre. Renommez l&apos;un d&apos;eux, ou choisissez dans l&apos;aperçu le devoir auquel va la colonne.</translation>
    </message>
    <message>
        <source>%1: another column has the same title. Rename one of them, or mark one ignored.</source>
        <translation>%1 : une autre colonne porte le même titre. Renommez l&apos;une d&apos;elles, ou passez-en une en « Ignorée ».</translation>
    </message>
    <message>
        <source>%1: the columns %2 and %3 both go into %4. Mark one of them ignored.</source>
        <translation>%1 : les colonnes %2 et %3 vont toutes deux dans %4. Passez l&apos;une d&apos;elles en « Ignorée ».</translation>
    </message>
    <message>
        <source>%1: the class would have more than %2 assignments. Mark the columns it does not need ignored.</source>
        <translation>%1 : la classe aurait plus de %2 devoirs. Passez en « Ignorée » les colonnes dont elle n&apos;a pas besoin.</translation>
    </message>
    <message>
        <source>%1: student ID %2 also appears on line %3. Correct one of the two rows, or delete one.</source>
        <translation>%1 : le numéro d&apos;élève %2 figure aussi à la ligne %3. Corrigez l&apos;une des deux lignes, ou supprimez-en une.</translation>
    </message>
    <message>
        <source>%1: name %2 also appears on line %3. Correct one of the two rows, or delete one.</source>
        <translation>%1 : le nom %2 figure aussi à la ligne %3. Corrigez l&apos;une des deux lignes, ou supprimez-en une.</translation>
    </message>
    <message>
        <source>%1: student ID %2 belongs to two students in the class. Tell them apart in the class, or match by name.</source>
        <translation>%1 : le numéro d&apos;élève %2 appartient à deux élèves de la classe. Distinguez-les dans la classe, ou associez par nom.</translation>
    </message>
    <message>
        <source>%1: name %2 belongs to two students in the class. Tell them apart in the class, or match by student ID.</source>
        <translation>%1 : le nom %2 appartient à deux élèves de la classe. Distinguez-les dans la classe, ou associez par numéro d&apos;élève.</translation>
    </message>
    <message>
        <source>Choose the score cell the pasted scores begin at.</source>
        <translation>Choisissez la cellule de note où commencent les notes collées.</translation>
    </message>
    <message>
        <source>The pasted scores are %1; from %2 the class has room for %3. Nothing was pasted.</source>
        <translation>Les notes collées font %1 ; à partir de %2, la classe a de la place pour %3. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>%1 (row %2, column %3 of the pasted cells, %4) is not a score. Nothing was pasted.</source>
        <translation>%1 (ligne %2, colonne %3 des cellules collées, %4) n&apos;est pas une note. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 pour %2</translation>
    </message>
    <message>
        <source>%1 row by %2 column</source>
        <translation>%1 ligne sur %2 colonne</translation>
    </message>
    <message>
        <source>%1 row by %2 columns</source>
        <translation>%1 ligne sur %2 colonnes</translation>
    </message>
    <message>
        <source>%1 rows by %2 column</source>
        <translation>%1 lignes sur %2 colonne</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 lignes sur %2 colonnes</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>You do not have permission to read it.</source>
        <translation>Vous n&apos;avez pas le droit de le lire.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a device or a pipe, not a file.</source>
        <translation>C&apos;est un périphérique ou un tube, pas un fichier.</translation>
    </message>
    <message>
        <source>At %1 MB it is far larger than %2.</source>
        <translation>Avec %1 Mo, il est bien plus grand que %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>the CSV of any class</source>
        <translation>le CSV de n&apos;importe quelle classe</translation>
    </message>
    <message>
        <source>any class file</source>
        <translation>n&apos;importe quel fichier de classe</translation>
    </message>
    <message>
        <source>a workbook</source>
        <translation>un classeur</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>%1 is empty: it holds no class.</source>
        <translation>%1 est vide : il ne contient aucune classe.</translation>
    </message>
    <message>
        <source>%1 is not a Markwise class file, or it is damaged: %2.</source>
        <translation>%1 n&apos;est pas un fichier de classe Markwise, ou il est endommagé : %2.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;. The class would take more than the %2 MB a class file may hold.</source>
        <translation>Impossible d&apos;enregistrer &quot;%1&quot;. La classe occuperait plus que les %2 Mo permis pour un fichier de classe.</translation>
    </message>
    <message>
        <source>The grading policy stored with this class is damaged (%1), so the class opened without its policy and score marks. Saving it now writes the class without them.</source>
        <translation>La pondération des notes enregistrée avec cette classe est endommagée (%1) : la classe s&apos;est donc ouverte sans sa pondération ni les marques EX et M. L&apos;enregistrer maintenant écrit la classe sans elles.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;enregistrer &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Le dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;écrire à cet endroit.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Un dossier de ce nom occupe déjà la place.</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist.</source>
        <translation>C&apos;est un lien vers &quot;%1&quot;, qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Le fichier est protégé en écriture.</translation>
    </message>
    <message>
        <source>no temporary folder could be made for the workbook</source>
        <translation>aucun dossier temporaire n&apos;a pu être créé pour le classeur</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>le classeur n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>the workbook could not be written: %1</source>
        <translation>le classeur n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>Could not save the settings.</source>
        <translation>Impossible d&apos;enregistrer les réglages.</translation>
    </message>
    <message>
        <source>Could not create the settings folder &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le dossier des réglages &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The grade cutoff %1 in the settings (&quot;%2&quot;) is not a whole number; the default %3 is used.</source>
        <translation>Le seuil de note %1 des réglages (&quot;%2&quot;) n&apos;est pas un nombre entier ; la valeur par défaut %3 est utilisée.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. %2</source>
        <translation>Impossible de lire le fichier de réglages &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a regular file and was ignored.</source>
        <translation>Le fichier de réglages &quot;%1&quot; n&apos;est pas un fichier ordinaire et a été ignoré.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is larger than 1 MiB and was ignored.</source>
        <translation>Le fichier de réglages &quot;%1&quot; dépasse 1 Mio et a été ignoré.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; contains NUL bytes; they were read as spaces.</source>
        <translation>Le fichier de réglages &quot;%1&quot; contient des octets NUL ; ils ont été lus comme des espaces.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged.</source>
        <translation>Le fichier de réglages &quot;%1&quot; est endommagé.</translation>
    </message>
    <message>
        <source>%1 It was left as it is.</source>
        <translation>%1 Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>it ends before the class is complete</source>
        <translation>il se termine avant que la classe soit complète</translation>
    </message>
    <message>
        <source>it holds a damaged text field</source>
        <translation>il contient un champ de texte endommagé</translation>
    </message>
    <message>
        <source>it says it holds %1 students (at most %2)</source>
        <translation>il indique contenir %1 élèves (au plus %2)</translation>
    </message>
    <message>
        <source>it says it holds %1 assignments (at most %2)</source>
        <translation>il indique contenir %1 devoirs (au plus %2)</translation>
    </message>
    <message>
        <source>Assignment %1: the points possible are not a number</source>
        <translation>Devoir %1 : les points possibles ne sont pas un nombre</translation>
    </message>
    <message>
        <source>Assignment %1: the points possible are infinite</source>
        <translation>Devoir %1 : les points possibles sont infinis</translation>
    </message>
    <message>
        <source>Assignment %1: a score is not a number</source>
        <translation>Devoir %1 : une note n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>Assignment %1: a score is infinite</source>
        <translation>Devoir %1 : une note est infinie</translation>
    </message>
    <message>
        <source>its assignment %1 has %2 score entries (at most %3)</source>
        <translation>son devoir %1 a %2 notes (au plus %3)</translation>
    </message>
    <message>
        <source>a record ends early</source>
        <translation>un enregistrement se termine trop tôt</translation>
    </message>
    <message>
        <source>a category name is damaged</source>
        <translation>un nom de catégorie est endommagé</translation>
    </message>
    <message>
        <source>it holds %1 categories (1 to %2)</source>
        <translation>elle contient %1 catégories (de 1 à %2)</translation>
    </message>
    <message>
        <source>a category name is longer than %1 characters</source>
        <translation>un nom de catégorie dépasse %1 caractères</translation>
    </message>
    <message>
        <source>a category&apos;s weight or drop count is out of range</source>
        <translation>le poids ou le nombre de notes écartées d&apos;une catégorie est hors limites</translation>
    </message>
    <message>
        <source>a categories record is longer than it holds</source>
        <translation>un enregistrement de catégories est plus long que son contenu</translation>
    </message>
    <message>
        <source>its assignment categories do not match the assignments</source>
        <translation>les catégories des devoirs ne correspondent pas aux devoirs</translation>
    </message>
    <message>
        <source>assignment %1 is in no category</source>
        <translation>le devoir %1 n&apos;est dans aucune catégorie</translation>
    </message>
    <message>
        <source>its marks record does not hold what it counts</source>
        <translation>l&apos;enregistrement des marques ne contient pas ce qu&apos;il annonce</translation>
    </message>
    <message>
        <source>it marks a score the class does not hold</source>
        <translation>elle marque une note que la classe ne contient pas</translation>
    </message>
    <message>
        <source>a record runs past the block</source>
        <translation>un enregistrement dépasse le bloc</translation>
    </message>
    <message>
        <source>a record appears twice</source>
        <translation>un enregistrement apparaît deux fois</translation>
    </message>
    <message>
        <source>its assignment categories come before the categories</source>
        <translation>les catégories des devoirs précèdent les catégories</translation>
    </message>
    <message>
        <source>it gives the assignments no categories</source>
        <translation>elle n&apos;attribue aucune catégorie aux devoirs</translation>
    </message>
    <message>
        <source>it ends inside its header</source>
        <translation>elle se termine dans son en-tête</translation>
    </message>
    <message>
        <source>it is of version %1, newer than this program</source>
        <translation>elle est de la version %1, plus récente que ce programme</translation>
    </message>
    <message>
        <source>it runs past the end of the file</source>
        <translation>elle dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>sa somme de contrôle ne correspond pas</translation>
    </message>
</context>
<context>
    <name>FieldReader</name>
    <message>
        <source>&quot;%1&quot; holds more than %2 characters. Please shorten it.</source>
        <translation>« %1 » dépasse %2 caractères. Raccourcissez-le.</translation>
    </message>
    <message>
        <source>Please enter a number in &quot;%1&quot;.</source>
        <translation>Saisissez un nombre dans « %1 ».</translation>
    </message>
    <message>
        <source>Please enter a whole number in &quot;%1&quot;.</source>
        <translation>Saisissez un nombre entier dans « %1 ».</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Markwise Data Files (*.mkw)</source>
        <translation>Fichiers de données Markwise (*.mkw)</translation>
    </message>
</context>
<context>
    <name>HistogramWords</name>
    <message>
        <source>1 square = 0 students</source>
        <extracomment>The histogram&apos;s legend: one red square of a bar stands for this many students.</extracomment>
        <translation>1 carré = 0 élève</translation>
    </message>
    <message>
        <source>1 square = 1 student</source>
        <translation>1 carré = 1 élève</translation>
    </message>
    <message>
        <source>1 square = %1 students</source>
        <extracomment>%1 is a whole number, 2 or more.</extracomment>
        <translation>1 carré = %1 élèves</translation>
    </message>
    <message>
        <source>1 square = 1/%1 student</source>
        <extracomment>%1 squares stand for one student: each square is 1/%1 of a student.</extracomment>
        <translation>1 carré = 1/%1 d’élève</translation>
    </message>
</context>
<context>
    <name>InterchangeCommands</name>
    <message>
        <source>Markwise CSV, everything the class holds (*.csv)</source>
        <translation>CSV Markwise, tout le contenu de la classe (*.csv)</translation>
    </message>
    <message>
        <source>Canvas grade book CSV (*.csv)</source>
        <translation>CSV du carnet de notes Canvas (*.csv)</translation>
    </message>
    <message>
        <source>Moodle grade import CSV (*.csv)</source>
        <translation>CSV d&apos;import de notes Moodle (*.csv)</translation>
    </message>
    <message>
        <source>Markwise CSV for spreadsheets, UTF-8 with byte-order mark (*.csv)</source>
        <translation>CSV Markwise pour tableurs, UTF-8 avec indicateur d&apos;ordre des octets (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Excel workbook of every open class, one sheet each (*.xlsx)</source>
        <translation>Classeur Excel de toutes les classes ouvertes, une feuille par classe (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Import Scores</source>
        <translation>Importer les notes</translation>
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
        <translation>L&apos;impression n&apos;a pas pu démarrer.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Student report for %1</source>
        <extracomment>A student report&apos;s heading; %1 is the student&apos;s name.</extracomment>
        <translation>Relevé de %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Obtenu</translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Possible</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Class roster for %1</source>
        <translation>Liste de la classe %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Grade level</source>
        <extracomment>The roster&apos;s column of grade levels (school years).</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Book#</source>
        <translation>N° livre</translation>
    </message>
    <message>
        <source>Phone#</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Progress Report List for %1   Cut-off = %2</source>
        <extracomment>%1 is the class&apos;s title, %2 the cut-off percentage.</extracomment>
        <translation>Bilans de progression de %1   Seuil = %2</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Appréciation</translation>
    </message>
    <message>
        <source>IDs</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>By category:</source>
        <extracomment>Over the grading policy&apos;s categories on a student report.</extracomment>
        <translation>Par catégorie :</translation>
    </message>
    <message>
        <source>weight %1</source>
        <extracomment>A category&apos;s weight in the grade; %1 is the number.</extracomment>
        <translation>coefficient %1</translation>
    </message>
    <message>
        <source>dropped: %1</source>
        <extracomment>The assignments a category dropped from the grade; %1 lists their numbers.</extracomment>
        <translation>retirés : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One category&apos;s line: %1 is its name and weight, %2 its percent.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>(dropped)</source>
        <extracomment>Beside a score the grading policy dropped as one of the lowest.</extracomment>
        <translation>(retiré)</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>Recopier vers le bas</translation>
    </message>
    <message>
        <source>Edit Assignment</source>
        <translation>Modifier le devoir</translation>
    </message>
</context>
<context>
    <name>SheetPrintJob</name>
    <message>
        <source>Grade Sheet</source>
        <translation>Feuille de notes</translation>
    </message>
    <message>
        <source>All assignments</source>
        <translation>Tous les devoirs</translation>
    </message>
</context>
<context>
    <name>SheetTableAccessible</name>
    <message>
        <source>Grade sheet</source>
        <translation>Feuille de notes</translation>
    </message>
    <message>
        <source>out of %1 points</source>
        <translation>sur %1 points</translation>
    </message>
</context>
<context>
    <name>SheetWords</name>
    <message>
        <source>Totals</source>
        <extracomment>Heading over each student&apos;s points received, percent and letter grade.</extracomment>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>(not counted)</source>
        <extracomment>After the title of an assignment that does not count in the totals.</extracomment>
        <translation>(non compté)</translation>
    </message>
</context>
<context>
    <name>StudentFieldBoxes</name>
    <message>
        <source>Last Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>Student ID:</source>
        <translation>Numéro d&apos;élève :</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Niveau :</translation>
    </message>
    <message>
        <source>Book Number:</source>
        <translation>Numéro de livre :</translation>
    </message>
    <message>
        <source>Telephone Number:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Numéro d&apos;élève</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Book Number</source>
        <translation>Numéro de livre</translation>
    </message>
    <message>
        <source>Telephone Number</source>
        <translation>Téléphone</translation>
    </message>
</context>
<context>
    <name>StudentFind</name>
    <message>
        <source>Find Student</source>
        <translation>Rechercher un élève</translation>
    </message>
    <message>
        <source>Name or ID contains:</source>
        <translation>Le nom ou le numéro contient :</translation>
    </message>
    <message>
        <source>No student&apos;s name or ID contains &quot;%1&quot;.</source>
        <translation>Aucun nom ni numéro d&apos;élève ne contient « %1 ».</translation>
    </message>
</context>
<context>
    <name>Summaries</name>
    <message>
        <source>Grade Distribution</source>
        <translation>Répartition des notes</translation>
    </message>
</context>
<context>
    <name>UiSeam</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Open Anyway</source>
        <translation>&amp;Ouvrir quand même</translation>
    </message>
    <message>
        <source>O&amp;verwrite</source>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
</context>
<context>
    <name>markwise::CAboutDlg</name>
    <message>
        <source>About Markwise</source>
        <translation>À propos de Markwise</translation>
    </message>
    <message>
        <source>Markwise Version 1.0</source>
        <translation>Markwise version 1.0</translation>
    </message>
    <message>
        <source>A grade book for teachers.</source>
        <translation>Un carnet de notes pour les enseignants.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Splash Screen</source>
        <translation>Écran d&apos;accueil</translation>
    </message>
</context>
<context>
    <name>markwise::CDocManager</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>%1 is already open in another Markwise window (process %2). Open it anyway?</source>
        <translation>%1 est déjà ouvert dans une autre fenêtre de Markwise (processus %2). L&apos;ouvrir quand même ?</translation>
    </message>
</context>
<context>
    <name>markwise::CDocument</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>%1 was deleted on disk; it has been written again.</source>
        <translation>%1 a été supprimé du disque ; il a été réécrit.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened or saved here.</source>
        <translation>%1 a été modifié sur le disque depuis son ouverture ou son enregistrement ici.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>The grading policy of %1 could not be read when it was opened. Save it without its grading policy and score marks?</source>
        <translation>La pondération des notes de %1 n&apos;a pas pu être lue à l&apos;ouverture. Enregistrer la classe sans sa pondération ni ses mentions EX (dispensé) et M (manquant) ?</translation>
    </message>
</context>
<context>
    <name>markwise::CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Pour obtenir de l&apos;aide, appuyez sur F1</translation>
    </message>
    <message>
        <source>The command could not be carried out.</source>
        <translation>La commande n&apos;a pas pu être exécutée.</translation>
    </message>
</context>
<context>
    <name>markwise::CMarkwiseApp</name>
    <message>
        <source>Some settings could not be read:
</source>
        <translation>Certains réglages n&apos;ont pas pu être lus :
</translation>
    </message>
    <message>
        <source>

The settings file is left as it is until you choose OK in Preferences.</source>
        <translation>

Le fichier de réglages reste tel quel jusqu&apos;à ce que vous cliquiez sur OK dans Préférences.</translation>
    </message>
    <message>
        <source>Markwise Help</source>
        <translation>Aide de Markwise</translation>
    </message>
</context>
<context>
    <name>markwise::CMarkwiseView</name>
    <message>
        <source>Sort by Name</source>
        <translation>Trier par nom</translation>
    </message>
    <message>
        <source>Sort by Total Grade</source>
        <translation>Trier par note globale</translation>
    </message>
    <message>
        <source>Sort Randomly</source>
        <translation>Trier aléatoirement</translation>
    </message>
    <message>
        <source>You haven&apos;t created any students yet!</source>
        <translation>Vous n&apos;avez encore créé aucun élève !</translation>
    </message>
</context>
<context>
    <name>markwise::CProgressView</name>
    <message>
        <source>Discard the progress report comments?</source>
        <translation>Abandonner les appréciations des bilans ?</translation>
    </message>
</context>
<context>
    <name>markwise::CRecoveryCopies</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Le dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Recovery copies cannot be written: a crash would lose your changes.</source>
        <translation>Les copies de secours ne peuvent pas être écrites : un plantage ferait perdre vos modifications.</translation>
    </message>
    <message>
        <source>Markwise cannot write recovery copies in &quot;%1&quot;, so a crash would lose the changes made since the last save. %2

Save your work. Markwise tries again at the next change.</source>
        <translation>Markwise ne peut pas écrire de copies de secours dans « %1 » : un plantage ferait perdre les modifications faites depuis le dernier enregistrement. %2

Enregistrez votre travail. Markwise réessaiera à la prochaine modification.</translation>
    </message>
    <message>
        <source>Markwise did not close normally. Recover these classes?
</source>
        <translation>Markwise ne s&apos;est pas fermé normalement. Récupérer ces classes ?
</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>jamais enregistré</translation>
    </message>
</context>
<context>
    <name>markwise::CRosterView</name>
    <message>
        <source>Sort by Name</source>
        <translation>Trier par nom</translation>
    </message>
</context>
<context>
    <name>markwise::CWindowList</name>
    <message>
        <source>&amp;More Windows...</source>
        <translation>&amp;Autres fenêtres...</translation>
    </message>
    <message>
        <source>Select Window</source>
        <translation>Choisir une fenêtre</translation>
    </message>
    <message>
        <source>&amp;Select Window:</source>
        <translation>&amp;Choisissez la fenêtre :</translation>
    </message>
</context>
<context>
    <name>markwise::SheetCellEditor</name>
    <message>
        <source>Student Points</source>
        <translation>Points de l&apos;élève</translation>
    </message>
</context>
</TS>
