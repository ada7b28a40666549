<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CAddStudentDlg</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Cerrar diálogo</translation>
    </message>
    <message>
        <source>Add New Student</source>
        <translation>Añadir alumno nuevo</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Datos básicos</translation>
    </message>
    <message>
        <source>Extended Information</source>
        <translation>Datos adicionales</translation>
    </message>
    <message>
        <source>Press TAB to move between items, and ENTER to add names.  You can also do this with the mouse.</source>
        <translation>Pulse TAB para pasar de un campo a otro y ENTRAR para añadir nombres.  También puede hacerlo con el ratón.</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Añadir alumno</translation>
    </message>
    <message>
        <source>All Name slots full!</source>
        <translation>¡Todos los puestos de alumnos están ocupados!</translation>
    </message>
</context>
<context>
    <name>CAssignmentSummaryDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Histogram...</source>
        <translation>Histograma...</translation>
    </message>
    <message>
        <source>Assignment Summary</source>
        <translation>Resumen de la tarea</translation>
    </message>
    <message>
        <source>Avg Received:</source>
        <translation>Media obtenida:</translation>
    </message>
    <message>
        <source>High Received:</source>
        <translation>Máxima obtenida:</translation>
    </message>
    <message>
        <source>Low Received:</source>
        <translation>Mínima obtenida:</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Seleccione la tarea:</translation>
    </message>
</context>
<context>
    <name>CClassSummaryDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Histogram...</source>
        <translation>Histograma...</translation>
    </message>
    <message>
        <source>Class Summary</source>
        <translation>Resumen de la clase</translation>
    </message>
    <message>
        <source>Avg Total:</source>
        <translation>Media total:</translation>
    </message>
    <message>
        <source>High Total:</source>
        <translation>Total máximo:</translation>
    </message>
    <message>
        <source>Low Total:</source>
        <translation>Total mínimo:</translation>
    </message>
</context>
<context>
    <name>CEditAssignmentDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Fast Edit</source>
        <translation>Edición rápida</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Cerrar diálogo</translation>
    </message>
    <message>
        <source>Edit Assignment</source>
        <translation>Editar tarea</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Seleccione la tarea:</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Seleccione el alumno:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Points Possible:</source>
        <translation>Puntos posibles:</translation>
    </message>
    <message>
        <source>Student Points:</source>
        <translation>Puntos del alumno:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Points Possible</source>
        <translation>Puntos posibles</translation>
    </message>
    <message>
        <source>Student Points</source>
        <translation>Puntos del alumno</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Fast Edit scores</source>
        <translation>Puntos con edición rápida</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
</context>
<context>
    <name>CEditStudentDlg</name>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Cerrar diálogo</translation>
    </message>
    <message>
        <source>Edit Student</source>
        <translation>Editar alumno</translation>
    </message>
    <message>
        <source>Edit Student Data</source>
        <translation>Editar datos del alumno</translation>
    </message>
    <message>
        <source>Select a name, make any changes, then click Update.</source>
        <translation>Seleccione un nombre, haga los cambios y pulse Actualizar.</translation>
    </message>
    <message>
        <source>Select Name:</source>
        <translation>Seleccione el nombre:</translation>
    </message>
</context>
<context>
    <name>CExcludeAssignmentsDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Don&apos;t Exclude</source>
        <translation>No excluir</translation>
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
        <source>Exclude Assignments</source>
        <translation>Excluir tareas</translation>
    </message>
    <message>
        <source>Select the first assignment you want included in the grade.  Select  Don&apos;t Exclude to remove the exclusion from the grade.  Note that the exclusion state is not saved with the document.  Click OK when done.</source>
        <translation>Seleccione la primera tarea que debe contar en la calificación.  Seleccione No excluir para quitar la exclusión.  La exclusión no se guarda con el documento.  Pulse Aceptar al terminar.</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Seleccione la tarea:</translation>
    </message>
</context>
<context>
    <name>CGradingPolicyDlg</name>
    <message>
        <source>Weights: %1</source>
        <extracomment>%1 lists each category&apos;s share of the weights.</extracomment>
        <translation>Ponderación: %1</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Assignments in the category</source>
        <translation>Tareas de la categoría</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Añadir...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renombrar...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
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
        <source>Grading Policy</source>
        <translation>Ponderación de calificaciones</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Categorías:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>Drop lowest:</source>
        <translation>Descartar las más bajas:</translation>
    </message>
    <message>
        <source>Assignments in this category:</source>
        <translation>Tareas de esta categoría:</translation>
    </message>
    <message>
        <source>Move to:</source>
        <translation>Mover a:</translation>
    </message>
    <message>
        <source>No categories: grades count points only.</source>
        <translation>Sin categorías: las calificaciones solo cuentan puntos.</translation>
    </message>
    <message>
        <source>The weight must be a number of 0 or more.</source>
        <translation>El peso debe ser un número igual o mayor que 0.</translation>
    </message>
    <message>
        <source>Drop lowest must be a whole number of 0 or more.</source>
        <translation>«Descartar las más bajas» debe ser un número entero igual o mayor que 0.</translation>
    </message>
    <message>
        <source>Category name:</source>
        <translation>Nombre de la categoría:</translation>
    </message>
    <message>
        <source>A category name can be at most %1 characters long.</source>
        <translation>El nombre de una categoría puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A class can have at most %1 categories.</source>
        <translation>Una clase puede tener como máximo %1 categorías.</translation>
    </message>
    <message>
        <source>Add Category</source>
        <translation>Añadir categoría</translation>
    </message>
    <message>
        <source>Rename Category</source>
        <translation>Renombrar categoría</translation>
    </message>
</context>
<context>
    <name>CHistogramDlg</name>
    <message>
        <source>Grade Distribution Histogram</source>
        <translation>Histograma de calificaciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CImportColumnsDlg</name>
    <message>
        <source>Ignored</source>
        <translation>Ignorada</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name (last, first)</source>
        <translation>Nombre (apellido, nombre)</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>ID de alumno</translation>
    </message>
    <message>
        <source>Grade level</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Book number</source>
        <translation>Número de libro</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Columns of %1</source>
        <translation>Columnas de %1</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Se convierte en</translation>
    </message>
    <message>
        <source>Points possible</source>
        <translation>Puntos posibles</translation>
    </message>
    <message>
        <source>Goes into</source>
        <translation>Va a</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>The file gives no points possible: %1 is only the highest score. Check it.</source>
        <translation>El archivo no indica los puntos posibles: %1 es solo la puntuación más alta. Compruébelo.</translation>
    </message>
    <message>
        <source>A new assignment</source>
        <translation>Una tarea nueva</translation>
    </message>
    <message>
        <source>Matched by its title without the platform&apos;s marks.</source>
        <translation>Emparejada por su título sin las marcas de la plataforma.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Each column of the file and what it becomes. Change any that is wrong.</source>
        <translation>Cada columna del archivo y en qué se convierte. Cambie lo que no sea correcto.</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot;: please enter a number in &quot;Points possible&quot;.</source>
        <translation>Columna «%1»: escriba un número en «Puntos posibles».</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>Import Scores</source>
        <translation>Importar calificaciones</translation>
    </message>
    <message>
        <source>By &amp;student ID</source>
        <translation>Por &amp;ID de alumno</translation>
    </message>
    <message>
        <source>By &amp;last and first name</source>
        <translation>Por &amp;apellido y nombre</translation>
    </message>
    <message>
        <source>Match the file&apos;s rows to students:</source>
        <translation>Emparejar las filas del archivo con los alumnos:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import Scores from %1</source>
        <translation>Importar calificaciones de %1</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Assignment</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>student matched</source>
        <translation>alumno emparejado</translation>
    </message>
    <message>
        <source>students matched</source>
        <translation>alumnos emparejados</translation>
    </message>
    <message>
        <source>row skipped</source>
        <translation>fila omitida</translation>
    </message>
    <message>
        <source>rows skipped</source>
        <translation>filas omitidas</translation>
    </message>
    <message>
        <source>assignment added</source>
        <translation>tarea añadida</translation>
    </message>
    <message>
        <source>assignments added</source>
        <translation>tareas añadidas</translation>
    </message>
    <message>
        <source>score changed</source>
        <translation>puntuación cambiada</translation>
    </message>
    <message>
        <source>scores changed</source>
        <translation>puntuaciones cambiadas</translation>
    </message>
    <message>
        <source>Columns left out (the columns list says why)</source>
        <translation>Columnas omitidas (la lista de columnas dice por qué)</translation>
    </message>
    <message>
        <source>Rows skipped: no student matches them</source>
        <translation>Filas omitidas: ningún alumno coincide</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Assignments added</source>
        <translation>Tareas añadidas</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>Scores changed</source>
        <translation>Puntuaciones cambiadas</translation>
    </message>
    <message>
        <source>The file changes no score.</source>
        <translation>El archivo no cambia ninguna puntuación.</translation>
    </message>
</context>
<context>
    <name>CNewAssignmentDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Create New Assignment</source>
        <translation>Crear tarea nueva</translation>
    </message>
    <message>
        <source>Assignment Title:</source>
        <translation>Título de la tarea:</translation>
    </message>
    <message>
        <source>Points Possible:</source>
        <translation>Puntos posibles:</translation>
    </message>
    <message>
        <source>Assignment Description (optional):</source>
        <translation>Descripción de la tarea (opcional):</translation>
    </message>
    <message>
        <source>All Assignment slots full!</source>
        <translation>¡Todos los puestos de tareas están ocupados!</translation>
    </message>
    <message>
        <source>Assignment Title</source>
        <translation>Título de la tarea</translation>
    </message>
    <message>
        <source>Points Possible</source>
        <translation>Puntos posibles</translation>
    </message>
    <message>
        <source>Assignment Description</source>
        <translation>Descripción de la tarea</translation>
    </message>
    <message>
        <source>New Assignment</source>
        <translation>Nueva tarea</translation>
    </message>
</context>
<context>
    <name>CPreferencesDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Grade Cutoffs</source>
        <translation>Límites de calificación</translation>
    </message>
    <message>
        <source>Enter the minimum values in percent for each letter grade.</source>
        <translation>Escriba el valor mínimo en porcentaje de cada calificación.</translation>
    </message>
    <message>
        <source>The grade cutoffs could not be saved in your settings:
%1
They apply until Markwise closes.</source>
        <translation>No se pudieron guardar los límites de calificación en su configuración:
%1
Se aplican hasta que se cierre Markwise.</translation>
    </message>
</context>
<context>
    <name>CProgressReportsDlg</name>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Find Students</source>
        <translation>Buscar alumnos</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Update Comment</source>
        <translation>Actualizar comentario</translation>
    </message>
    <message>
        <source>Progress Reports</source>
        <translation>Informes de progreso</translation>
    </message>
    <message>
        <source>Issue Progress reports to students at or below</source>
        <translation>Generar informes de progreso para alumnos con</translation>
    </message>
    <message>
        <source>Percent.</source>
        <translation>por ciento o menos.</translation>
    </message>
    <message>
        <source>Edit Comments</source>
        <translation>Editar comentarios</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Seleccione el alumno:</translation>
    </message>
    <message>
        <source>Percent:</source>
        <translation>Porcentaje:</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Calificación:</translation>
    </message>
    <message>
        <source>Current Comment:</source>
        <translation>Comentario actual:</translation>
    </message>
    <message>
        <source>No Students found below that percentage</source>
        <translation>No se encontraron alumnos por debajo de ese porcentaje</translation>
    </message>
</context>
<context>
    <name>CRemoveAssignmentDlg</name>
    <message>
        <source>Remove Assignment</source>
        <translation>Eliminar tarea</translation>
    </message>
    <message>
        <source>Select Assignment:</source>
        <translation>Seleccione la tarea:</translation>
    </message>
    <message>
        <source>After selecting an assignment, click &quot;Remove.&quot;  The assignment will be removed and all data lost.  To recover this data, re-open the document.</source>
        <translation>Tras seleccionar una tarea, pulse «Eliminar».  La tarea se eliminará y se perderán todos sus datos.  Para recuperarlos, vuelva a abrir el documento.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this assignment?
Clicking OK will result in the loss of all data entered for that assignment!</source>
        <translation>¿Seguro que desea eliminar esta tarea?
¡Al pulsar Aceptar se perderán todos los datos introducidos para esa tarea!</translation>
    </message>
</context>
<context>
    <name>CRemoveEntryDlg</name>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close Dialog</source>
        <translation>Cerrar diálogo</translation>
    </message>
</context>
<context>
    <name>CRemoveStudentDlg</name>
    <message>
        <source>Remove Student</source>
        <translation>Eliminar alumno</translation>
    </message>
    <message>
        <source>Select Name:</source>
        <translation>Seleccione el nombre:</translation>
    </message>
    <message>
        <source>After selecting a name, click &quot;Remove.&quot;  The student will be removed and all data lost.  To recover this data, re-open the document.</source>
        <translation>Tras seleccionar un nombre, pulse «Eliminar».  El alumno se eliminará y se perderán todos sus datos.  Para recuperarlos, vuelva a abrir el documento.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this student?
Clicking OK will result in the loss of all data entered for that student!</source>
        <translation>¿Seguro que desea eliminar a este alumno?
¡Al pulsar Aceptar se perderán todos los datos introducidos para ese alumno!</translation>
    </message>
    <message>
        <source>You can&apos;t remove all the students!  If you want to replace this student, select Edit Student from the student Menu, and change all of the information.</source>
        <translation>¡No puede eliminar a todos los alumnos!  Si quiere sustituir a este alumno, elija Editar alumno en el menú Alumno y cambie todos los datos.</translation>
    </message>
</context>
<context>
    <name>CSortByAssignmentDlg</name>
    <message>
        <source>Assignments</source>
        <translation>Tareas</translation>
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
        <source>Sort by Assignment Grade</source>
        <translation>Ordenar por calificación de tarea</translation>
    </message>
    <message>
        <source>Select the Assignment from the list at the left and press OK.  The grades in that assignment will be sorted in descending order.</source>
        <translation>Seleccione la tarea en la lista de la izquierda y pulse Aceptar.  Las calificaciones de esa tarea se ordenarán de mayor a menor.</translation>
    </message>
    <message>
        <source>Which Assignment?</source>
        <translation>¿Qué tarea?</translation>
    </message>
</context>
<context>
    <name>CStudentReportDlg</name>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Student Report</source>
        <translation>Informe del alumno</translation>
    </message>
    <message>
        <source>Select the student for whom you wish to generate the report and then click OK.  Once the report appears, print it by choosing Print from the file menu.</source>
        <translation>Seleccione el alumno cuyo informe desea generar y pulse Aceptar.  Cuando aparezca el informe, imprímalo con Imprimir en el menú Archivo.</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Seleccione el alumno:</translation>
    </message>
</context>
<context>
    <name>CStudentSummaryDlg</name>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Student Summary</source>
        <translation>Resumen del alumno</translation>
    </message>
    <message>
        <source>Current Total:</source>
        <translation>Total actual:</translation>
    </message>
    <message>
        <source>Current Possible:</source>
        <translation>Posible actual:</translation>
    </message>
    <message>
        <source>Current Percent:</source>
        <translation>Porcentaje actual:</translation>
    </message>
    <message>
        <source>Current Grade</source>
        <translation>Calificación actual</translation>
    </message>
    <message>
        <source>Select Student:</source>
        <translation>Seleccione el alumno:</translation>
    </message>
    <message>
        <source>By Category</source>
        <translation>Por categoría</translation>
    </message>
    <message>
        <source>By Category:</source>
        <translation>Por categoría:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new data file
New</source>
        <translation>Crear un archivo de datos nuevo
Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir un documento existente
Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Cerrar el documento activo
Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guardar el documento activo
Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Guardar el documento activo con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Open a class list or grade book saved as CSV as a new class
Import</source>
        <translation>Abrir como clase nueva una lista de clase o un cuaderno de notas guardado como CSV
Importar</translation>
    </message>
    <message>
        <source>I&amp;mport Scores...</source>
        <translation>Importar ca&amp;lificaciones...</translation>
    </message>
    <message>
        <source>Bring scores from a CSV file into the active class
Import Scores</source>
        <translation>Traer calificaciones de un archivo CSV a la clase activa
Importar calificaciones</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Save the active class as CSV for a spreadsheet or learning platform
Export</source>
        <translation>Guardar la clase activa como CSV para una hoja de cálculo o plataforma educativa
Exportar</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir el documento activo
Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Mostrar páginas completas
Vista previa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambiar la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Salir de la aplicación; pregunta si guardar los documentos
Salir</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Deshacer el último cambio
Deshacer</translation>
    </message>
    <message>
        <source>R&amp;edo	Ctrl+Y</source>
        <translation>&amp;Rehacer	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the change last undone
Redo</source>
        <translation>Rehacer el último cambio deshecho
Rehacer</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selected scores, or the whole grade sheet, to the clipboard
Copy</source>
        <translation>Copiar al portapapeles las puntuaciones seleccionadas o toda la hoja de calificaciones
Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Pegar	Ctrl+V</translation>
    </message>
    <message>
        <source>Put scores copied from a spreadsheet into the sheet from the current cell on
Paste</source>
        <translation>Pegar desde la celda actual las puntuaciones copiadas de una hoja de cálculo
Pegar</translation>
    </message>
    <message>
        <source>Fill &amp;Down	Ctrl+D</source>
        <translation>Rellenar hacia a&amp;bajo	Ctrl+D</translation>
    </message>
    <message>
        <source>Copy the top score of the selected cells down to the others
Fill Down</source>
        <translation>Copiar la primera puntuación de las celdas seleccionadas en las demás
Rellenar hacia abajo</translation>
    </message>
    <message>
        <source>&amp;Find Student...	Ctrl+F</source>
        <translation>Buscar &amp;alumno...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find a student whose name or ID contains a text
Find Student</source>
        <translation>Buscar un alumno cuyo nombre o ID contenga un texto
Buscar alumno</translation>
    </message>
    <message>
        <source>Find &amp;Next	F3</source>
        <translation>Buscar &amp;siguiente	F3</translation>
    </message>
    <message>
        <source>Find the next student with the same text
Find Next</source>
        <translation>Buscar el siguiente alumno con el mismo texto
Buscar siguiente</translation>
    </message>
    <message>
        <source>P&amp;references...</source>
        <translation>Pre&amp;ferencias...</translation>
    </message>
    <message>
        <source>Change Certain Options
Preferences</source>
        <translation>Cambiar algunas opciones
Preferencias</translation>
    </message>
    <message>
        <source>&amp;View Class Roster...</source>
        <translation>&amp;Ver lista de clase...</translation>
    </message>
    <message>
        <source>View a class roster
Class Roster</source>
        <translation>Ver la lista de la clase
Lista de clase</translation>
    </message>
    <message>
        <source>&amp;Progress Reports...</source>
        <translation>&amp;Informes de progreso...</translation>
    </message>
    <message>
        <source>Generate progress reports
Progress Reports</source>
        <translation>Generar informes de progreso
Informes de progreso</translation>
    </message>
    <message>
        <source>&amp;Exclude Assignments...</source>
        <translation>&amp;Excluir tareas...</translation>
    </message>
    <message>
        <source>Allows you to only count grades after a specific assignment
Exclude Assignments</source>
        <translation>Permite contar solo las calificaciones a partir de una tarea concreta
Excluir tareas</translation>
    </message>
    <message>
        <source>&amp;Class Summary...</source>
        <translation>&amp;Resumen de la clase...</translation>
    </message>
    <message>
        <source>Obtain a class summary
Class Summary</source>
        <translation>Obtener un resumen de la clase
Resumen de la clase</translation>
    </message>
    <message>
        <source>&amp;New Assignment...</source>
        <translation>&amp;Nueva tarea...</translation>
    </message>
    <message>
        <source>Create New Assignment
New Assignment</source>
        <translation>Crear una tarea nueva
Nueva tarea</translation>
    </message>
    <message>
        <source>&amp;Remove Assignment...</source>
        <translation>&amp;Eliminar tarea...</translation>
    </message>
    <message>
        <source>Remove an Assignment
Remove Assignment</source>
        <translation>Eliminar una tarea
Eliminar tarea</translation>
    </message>
    <message>
        <source>&amp;Edit Assignment...</source>
        <translation>Edi&amp;tar tarea...</translation>
    </message>
    <message>
        <source>Edit an Assignment
Edit Assignment</source>
        <translation>Editar una tarea
Editar tarea</translation>
    </message>
    <message>
        <source>Assignment &amp;Summary...</source>
        <translation>&amp;Resumen de la tarea...</translation>
    </message>
    <message>
        <source>Obtain an Assignment Summary
Assignment Summary</source>
        <translation>Obtener el resumen de una tarea
Resumen de la tarea</translation>
    </message>
    <message>
        <source>&amp;New Student...</source>
        <translation>&amp;Nuevo alumno...</translation>
    </message>
    <message>
        <source>Create New Student
New Student</source>
        <translation>Crear un alumno nuevo
Nuevo alumno</translation>
    </message>
    <message>
        <source>&amp;Remove Student...</source>
        <translation>&amp;Eliminar alumno...</translation>
    </message>
    <message>
        <source>Remove a Student
Remove Student</source>
        <translation>Eliminar un alumno
Eliminar alumno</translation>
    </message>
    <message>
        <source>&amp;Edit Student...</source>
        <translation>Edi&amp;tar alumno...</translation>
    </message>
    <message>
        <source>Edit a Student
Edit Student</source>
        <translation>Editar un alumno
Editar alumno</translation>
    </message>
    <message>
        <source>Student &amp;Summary...</source>
        <translation>&amp;Resumen del alumno...</translation>
    </message>
    <message>
        <source>Obtain a Student Summary
Student Summary</source>
        <translation>Obtener el resumen de un alumno
Resumen del alumno</translation>
    </message>
    <message>
        <source>S&amp;tudent Report...</source>
        <translation>&amp;Informe del alumno...</translation>
    </message>
    <message>
        <source>View a student report, which can be printed
Student Report</source>
        <translation>Ver el informe de un alumno, que se puede imprimir
Informe del alumno</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>Por &amp;nombre</translation>
    </message>
    <message>
        <source>Sort the Student List By Name
Sort by Name</source>
        <translation>Ordenar la lista de alumnos por nombre
Ordenar por nombre</translation>
    </message>
    <message>
        <source>By &amp;Total Grade</source>
        <translation>Por calificación &amp;total</translation>
    </message>
    <message>
        <source>Sort the Student List by Total Grade
Sort by Total Grade</source>
        <translation>Ordenar la lista de alumnos por calificación total
Ordenar por calificación total</translation>
    </message>
    <message>
        <source>By &amp;Assignment Grade...</source>
        <translation>Por calificación de t&amp;area...</translation>
    </message>
    <message>
        <source>Sort the Student List by Assignment Grade
Sort by Assignment Grade</source>
        <translation>Ordenar la lista de alumnos por la calificación de una tarea
Ordenar por calificación de tarea</translation>
    </message>
    <message>
        <source>&amp;Randomly</source>
        <translation>Al&amp;eatoriamente</translation>
    </message>
    <message>
        <source>Shuffles the list of students
Sort Randomly</source>
        <translation>Baraja la lista de alumnos
Ordenar aleatoriamente</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>ID de alumno</translation>
    </message>
    <message>
        <source>Changes whether Students are listed by ID or by Name
Student ID</source>
        <translation>Cambia si los alumnos se listan por ID o por nombre
ID de alumno</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nueva ventana</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Abrir otra ventana del documento activo
Nueva ventana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Organizar las ventanas superpuestas
Ventanas en cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Organizar las ventanas en mosaico sin superponerlas
Ventanas en mosaico</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Organizar los iconos en la parte inferior de la ventana
Organizar iconos</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Mostrar los temas de ayuda
Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About Markwise...</source>
        <translation>&amp;Acerca de Markwise...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Desplazar a la izquierda</translation>
    </message>
    <message>
        <source>Scroll the Assignments Left
Scroll Left</source>
        <translation>Desplazar las tareas a la izquierda
Desplazar a la izquierda</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Desplazar a la derecha</translation>
    </message>
    <message>
        <source>Scroll the Assignments Right
Scroll Right</source>
        <translation>Desplazar las tareas a la derecha
Desplazar a la derecha</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Mostrar ayuda sobre la acción o la orden actual
Ayuda</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Mostrar ayuda sobre los botones, menús y ventanas en que se haga clic
Ayuda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <translation>&amp;Clase</translation>
    </message>
    <message>
        <source>&amp;Assignment</source>
        <translation>&amp;Tarea</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>A&amp;lumno</translation>
    </message>
    <message>
        <source>S&amp;ort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Grading Policy...</source>
        <translation>&amp;Ponderación de calificaciones...</translation>
    </message>
    <message>
        <source>Set the weighted categories of the grade and the lowest scores they drop
Grading Policy</source>
        <translation>Definir las categorías ponderadas de la calificación y cuántas notas más bajas descartan
Ponderación de calificaciones</translation>
    </message>
</context>
<context>
    <name>ContextHelpMode</name>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Seleccione un elemento sobre el que obtener ayuda</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>%1: more than %2 columns. Delete the columns the class does not need.</source>
        <translation>%1: más de %2 columnas. Elimine las columnas que la clase no necesita.</translation>
    </message>
    <message>
        <source>%1: more rows than a class can hold (1000 students). Split the file into classes of at most 1000 students.</source>
        <translation>%1: más filas de las que cabe en una clase (1000 alumnos). Divida el archivo en clases de 1000 alumnos como máximo.</translation>
    </message>
    <message>
        <source>the CSV reader could not start. Close other programs, then try again.</source>
        <translation>no se pudo iniciar la lectura del CSV. Cierre otros programas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>not enough memory to read the file. Close other programs, then try again.</source>
        <translation>no hay memoria suficiente para leer el archivo. Cierre otros programas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1: a quoted cell is not closed. Add the closing double quote.</source>
        <translation>%1: una celda entre comillas no está cerrada. Añada las comillas dobles de cierre.</translation>
    </message>
    <message>
        <source>%1: a double quote in the wrong place. Quote the whole cell and double each quote inside it (&quot;say &quot;&quot;hi&quot;&quot;&quot;), or remove the stray quote.</source>
        <translation>%1: unas comillas dobles en un lugar incorrecto. Ponga toda la celda entre comillas y duplique cada comilla que contenga (&quot;say &quot;&quot;hi&quot;&quot;&quot;), o quite la comilla sobrante.</translation>
    </message>
    <message>
        <source>line 1: the file holds no header row. Start it with a line of column titles, such as &quot;Name,Quiz 1&quot;.</source>
        <translation>línea 1: el archivo no tiene fila de encabezado. Empiécelo con una línea de títulos de columna, como &quot;Name,Quiz 1&quot;.</translation>
    </message>
    <message>
        <source>%1: %2 is not a score. Change it, or mark the column ignored.</source>
        <translation>%1: %2 no es una puntuación. Cámbielo, o marque la columna como «Ignorada».</translation>
    </message>
    <message>
        <source>%1: the &quot;Points Possible&quot; and &quot;Description&quot; rows must follow the header. Move them to lines 2 and %2, as Markwise exports them.</source>
        <translation>%1: las filas &quot;Points Possible&quot; y &quot;Description&quot; deben ir justo después del encabezado. Muévalas a las líneas 2 y %2, como las exporta Markwise.</translation>
    </message>
    <message>
        <source>%1: more than %2 students. Split the file into classes of at most %2.</source>
        <translation>%1: más de %2 alumnos. Divida el archivo en clases de %2 alumnos como máximo.</translation>
    </message>
    <message>
        <source>%1: more than %2 assignments. Mark the columns the class does not need ignored, or split the file.</source>
        <translation>%1: más de %2 tareas. Marque como «Ignorada» las columnas que la clase no necesita, o divida el archivo.</translation>
    </message>
    <message>
        <source>line 1: no column holds names or student IDs. Title one &quot;Name&quot; or &quot;Student ID&quot;, or make a column a name or ID in the import&apos;s preview.</source>
        <translation>línea 1: ninguna columna contiene nombres ni ID de alumno. Titule una &quot;Name&quot; o &quot;Student ID&quot;, o convierta una columna en nombre o ID en la vista previa de la importación.</translation>
    </message>
    <message>
        <source>%1: the file gives no points possible. Add a &quot;Points Possible&quot; row, or the points to the title: %2.</source>
        <translation>%1: el archivo no indica los puntos posibles. Añada una fila &quot;Points Possible&quot;, o los puntos al título: %2.</translation>
    </message>
    <message>
        <source>worked out by the platform (&quot;%1&quot; as points)</source>
        <translation>calculada por la plataforma (&quot;%1&quot; como puntos)</translation>
    </message>
    <message>
        <source>holds text, not scores</source>
        <translation>contiene texto, no puntuaciones</translation>
    </message>
    <message>
        <source>empty and untitled</source>
        <translation>vacía y sin título</translation>
    </message>
    <message>
        <source>ignored by the teacher</source>
        <translation>ignorada por el docente</translation>
    </message>
    <message>
        <source>the platform&apos;s own user number</source>
        <translation>el número de usuario interno de la plataforma</translation>
    </message>
    <message>
        <source>a login name, not a score</source>
        <translation>un nombre de acceso, no una puntuación</translation>
    </message>
    <message>
        <source>a profile field, not a score</source>
        <translation>un campo del perfil, no una puntuación</translation>
    </message>
    <message>
        <source>the section, not a score</source>
        <translation>la sección, no una puntuación</translation>
    </message>
    <message>
        <source>the time the file was downloaded</source>
        <translation>la hora en que se descargó el archivo</translation>
    </message>
    <message>
        <source>a total the platform works out, not an assignment</source>
        <translation>un total que calcula la plataforma, no una tarea</translation>
    </message>
    <message>
        <source>line 1: no column holds student IDs. Title one &quot;Student ID&quot;, or match by name.</source>
        <translation>línea 1: ninguna columna contiene ID de alumno. Titule una &quot;Student ID&quot;, o empareje por nombre.</translation>
    </message>
    <message>
        <source>line 1: no column holds names. Title one &quot;Name&quot; (or &quot;Last Name&quot; and &quot;First Name&quot;), or match by student ID.</source>
        <translation>línea 1: ninguna columna contiene nombres. Titule una &quot;Name&quot; (o &quot;Last Name&quot; y &quot;First Name&quot;), o empareje por ID de alumno.</translation>
    </message>
    <message>
        <source>%1: two assignments of the class have this title. Rename one of them, or choose the assignment it goes into in the preview.</source>
        <translation>%1: dos tareas de la clase tienen este título. Cambie el nombre de una de ellas, o elija en la vista previa la tarea a la que va la columna.</translation>
    </message>
    <message>
        <source>%1: another column has the same title. Rename one of them, or mark one ignored.</source>
        <translation>%1: otra columna tiene el mismo título. Cambie el nombre de una de ellas, o marque una como «Ignorada».</translation>
    </message>
    <message>
        <source>%1: the columns %2 and %3 both go into %4. Mark one of them ignored.</source>
        <translation>%1: las columnas %2 y %3 van las dos a %4. Marque una de ellas como «Ignorada».</translation>
    </message>
    <message>
        <source>%1: the class would have more than %2 assignments. Mark the columns it does not need ignored.</source>
        <translation>%1: la clase tendría más de %2 tareas. Marque como «Ignorada» las columnas que no necesita.</translation>
    </message>
    <message>
        <source>%1: student ID %2 also appears on line %3. Correct one of the two rows, or delete one.</source>
        <translation>%1: el ID de alumno %2 también aparece en la línea %3. Corrija una de las dos filas, o elimine una.</translation>
    </message>
    <message>
        <source>%1: name %2 also appears on line %3. Correct one of the two rows, or delete one.</source>
        <translation>%1: el nombre %2 también aparece en la línea %3. Corrija una de las dos filas, o elimine una.</translation>
    </message>
    <message>
        <source>%1: student ID %2 belongs to two students in the class. Tell them apart in the class, or match by name.</source>
        <translation>%1: el ID de alumno %2 pertenece a dos alumnos de la clase. Distíngalos en la clase, o empareje por nombre.</translation>
    </message>
    <message>
        <source>%1: name %2 belongs to two students in the class. Tell them apart in the class, or match by student ID.</source>
        <translation>%1: el nombre %2 pertenece a dos alumnos de la clase. Distíngalos en la clase, o empareje por ID de alumno.</translation>
    </message>
    <message>
        <source>Choose the score cell the pasted scores begin at.</source>
        <translation>Elija la celda de puntuación en la que empiezan las puntuaciones pegadas.</translation>
    </message>
    <message>
        <source>The pasted scores are %1; from %2 the class has room for %3. Nothing was pasted.</source>
        <translation>Las puntuaciones pegadas ocupan %1; desde %2 la clase tiene sitio para %3. No se ha pegado nada.</translation>
    </message>
    <message>
        <source>%1 (row %2, column %3 of the pasted cells, %4) is not a score. Nothing was pasted.</source>
        <translation>%1 (fila %2, columna %3 de las celdas pegadas, %4) no es una puntuación. No se ha pegado nada.</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 row by %2 column</source>
        <translation>%1 fila por %2 columna</translation>
    </message>
    <message>
        <source>%1 row by %2 columns</source>
        <translation>%1 fila por %2 columnas</translation>
    </message>
    <message>
        <source>%1 rows by %2 column</source>
        <translation>%1 filas por %2 columna</translation>
    </message>
    <message>
        <source>%1 rows by %2 columns</source>
        <translation>%1 filas por %2 columnas</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>You do not have permission to read it.</source>
        <translation>No tiene permiso para leerlo.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is a device or a pipe, not a file.</source>
        <translation>Es un dispositivo o una tubería, no un archivo.</translation>
    </message>
    <message>
        <source>At %1 MB it is far larger than %2.</source>
        <translation>Con %1 MB es mucho mayor que %2.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>the CSV of any class</source>
        <translation>el CSV de cualquier clase</translation>
    </message>
    <message>
        <source>any class file</source>
        <translation>cualquier archivo de clase</translation>
    </message>
    <message>
        <source>a workbook</source>
        <translation>un libro de cálculo</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;. %2</source>
        <translation>No se pudo abrir &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>%1 is empty: it holds no class.</source>
        <translation>%1 está vacío: no contiene ninguna clase.</translation>
    </message>
    <message>
        <source>%1 is not a Markwise class file, or it is damaged: %2.</source>
        <translation>%1 no es un archivo de clase de Markwise, o está dañado: %2.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;. The class would take more than the %2 MB a class file may hold.</source>
        <translation>No se pudo guardar &quot;%1&quot;. La clase ocuparía más de los %2 MB que puede tener un archivo de clase.</translation>
    </message>
    <message>
        <source>The grading policy stored with this class is damaged (%1), so the class opened without its policy and score marks. Saving it now writes the class without them.</source>
        <translation>La ponderación de calificaciones guardada con esta clase está dañada (%1), así que la clase se abrió sin su ponderación ni las marcas EX y M. Si la guarda ahora, la clase se escribe sin ellas.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;. %2</source>
        <translation>No se pudo guardar &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>No tiene permiso para escribir ahí.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ya hay una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist.</source>
        <translation>Es un enlace a &quot;%1&quot;, que no existe.</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>El archivo está protegido contra escritura.</translation>
    </message>
    <message>
        <source>no temporary folder could be made for the workbook</source>
        <translation>no se pudo crear una carpeta temporal para el libro de cálculo</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>no se pudo empezar el libro de cálculo</translation>
    </message>
    <message>
        <source>the workbook could not be written: %1</source>
        <translation>no se pudo escribir el libro de cálculo: %1</translation>
    </message>
    <message>
        <source>Could not save the settings.</source>
        <translation>No se pudo guardar la configuración.</translation>
    </message>
    <message>
        <source>Could not create the settings folder &quot;%1&quot;. %2</source>
        <translation>No se pudo crear la carpeta de configuración &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The grade cutoff %1 in the settings (&quot;%2&quot;) is not a whole number; the default %3 is used.</source>
        <translation>El límite de calificación %1 de la configuración (&quot;%2&quot;) no es un número entero; se usa el valor predeterminado %3.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read. %2</source>
        <translation>No se pudo leer el archivo de configuración &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is not a regular file and was ignored.</source>
        <translation>El archivo de configuración &quot;%1&quot; no es un archivo normal y se ha ignorado.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is larger than 1 MiB and was ignored.</source>
        <translation>El archivo de configuración &quot;%1&quot; supera 1 MiB y se ha ignorado.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; contains NUL bytes; they were read as spaces.</source>
        <translation>El archivo de configuración &quot;%1&quot; contiene bytes NUL; se han leído como espacios.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged.</source>
        <translation>El archivo de configuración &quot;%1&quot; está dañado.</translation>
    </message>
    <message>
        <source>%1 It was left as it is.</source>
        <translation>%1 Se ha dejado tal como estaba.</translation>
    </message>
    <message>
        <source>it ends before the class is complete</source>
        <translation>termina antes de que la clase esté completa</translation>
    </message>
    <message>
        <source>it holds a damaged text field</source>
        <translation>contiene un campo de texto dañado</translation>
    </message>
    <message>
        <source>it says it holds %1 students (at most %2)</source>
        <translation>dice contener %1 alumnos (como máximo %2)</translation>
    </message>
    <message>
        <source>it says it holds %1 assignments (at most %2)</source>
        <translation>dice contener %1 tareas (como máximo %2)</translation>
    </message>
    <message>
        <source>Assignment %1: the points possible are not a number</source>
        <translation>Tarea %1: los puntos posibles no son un número</translation>
    </message>
    <message>
        <source>Assignment %1: the points possible are infinite</source>
        <translation>Tarea %1: los puntos posibles son infinitos</translation>
    </message>
    <message>
        <source>Assignment %1: a score is not a number</source>
        <translation>Tarea %1: una puntuación no es un número</translation>
    </message>
    <message>
        <source>Assignment %1: a score is infinite</source>
        <translation>Tarea %1: una puntuación es infinita</translation>
    </message>
    <message>
        <source>its assignment %1 has %2 score entries (at most %3)</source>
        <translation>su tarea %1 tiene %2 puntuaciones (como máximo %3)</translation>
    </message>
    <message>
        <source>a record ends early</source>
        <translation>un registro termina antes de tiempo</translation>
    </message>
    <message>
        <source>a category name is damaged</source>
        <translation>el nombre de una categoría está dañado</translation>
    </message>
    <message>
        <source>it holds %1 categories (1 to %2)</source>
        <translation>contiene %1 categorías (de 1 a %2)</translation>
    </message>
    <message>
        <source>a category name is longer than %1 characters</source>
        <translation>el nombre de una categoría tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>a category&apos;s weight or drop count is out of range</source>
        <translation>el peso o el número de descartes de una categoría está fuera de rango</translation>
    </message>
    <message>
        <source>a categories record is longer than it holds</source>
        <translation>un registro de categorías es más largo que su contenido</translation>
    </message>
    <message>
        <source>its assignment categories do not match the assignments</source>
        <translation>las categorías de las tareas no coinciden con las tareas</translation>
    </message>
    <message>
        <source>assignment %1 is in no category</source>
        <translation>la tarea %1 no está en ninguna categoría</translation>
    </message>
    <message>
        <source>its marks record does not hold what it counts</source>
        <translation>el registro de marcas no contiene lo que indica</translation>
    </message>
    <message>
        <source>it marks a score the class does not hold</source>
        <translation>marca una puntuación que la clase no tiene</translation>
    </message>
    <message>
        <source>a record runs past the block</source>
        <translation>un registro se sale del bloque</translation>
    </message>
    <message>
        <source>a record appears twice</source>
        <translation>un registro aparece dos veces</translation>
    </message>
    <message>
        <source>its assignment categories come before the categories</source>
        <translation>las categorías de las tareas van antes que las categorías</translation>
    </message>
    <message>
        <source>it gives the assignments no categories</source>
        <translation>no asigna categorías a las tareas</translation>
    </message>
    <message>
        <source>it ends inside its header</source>
        <translation>termina dentro de su encabezado</translation>
    </message>
    <message>
        <source>it is of version %1, newer than this program</source>
        <translation>es de la versión %1, más reciente que este programa</translation>
    </message>
    <message>
        <source>it runs past the end of the file</source>
        <translation>se sale del final del archivo</translation>
    </message>
    <message>
        <source>its checksum does not match</source>
        <translation>su suma de comprobación no coincide</translation>
    </message>
</context>
<context>
    <name>FieldReader</name>
    <message>
        <source>&quot;%1&quot; holds more than %2 characters. Please shorten it.</source>
        <translation>«%1» tiene más de %2 caracteres. Acórtelo, por favor.</translation>
    </message>
    <message>
        <source>Please enter a number in &quot;%1&quot;.</source>
        <translation>Escriba un número en «%1».</translation>
    </message>
    <message>
        <source>Please enter a whole number in &quot;%1&quot;.</source>
        <translation>Escriba un número entero en «%1».</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Markwise Data Files (*.mkw)</source>
        <translation>Archivos de datos de Markwise (*.mkw)</translation>
    </message>
</context>
<context>
    <name>HistogramWords</name>
    <message>
        <source>1 square = 0 students</source>
        <extracomment>The histogram&apos;s legend: one red square of a bar stands for this many students.</extracomment>
        <translation>1 cuadro = 0 alumnos</translation>
    </message>
    <message>
        <source>1 square = 1 student</source>
        <translation>1 cuadro = 1 alumno</translation>
    </message>
    <message>
        <source>1 square = %1 students</source>
        <extracomment>%1 is a whole number, 2 or more.</extracomment>
        <translation>1 cuadro = %1 alumnos</translation>
    </message>
    <message>
        <source>1 square = 1/%1 student</source>
        <extracomment>%1 squares stand for one student: each square is 1/%1 of a student.</extracomment>
        <translation>1 cuadro = 1/%1 de alumno</translation>
    </message>
</context>
<context>
    <name>InterchangeCommands</name>
    <message>
        <source>Markwise CSV, everything the class holds (*.csv)</source>
        <translation>CSV de Markwise, todo lo que contiene la clase (*.csv)</translation>
    </message>
    <message>
        <source>Canvas grade book CSV (*.csv)</source>
        <translation>CSV del libro de calificaciones de Canvas (*.csv)</translation>
    </message>
    <message>
        <source>Moodle grade import CSV (*.csv)</source>
        <translation>CSV de importación de calificaciones de Moodle (*.csv)</translation>
    </message>
    <message>
        <source>Markwise CSV for spreadsheets, UTF-8 with byte-order mark (*.csv)</source>
        <translation>CSV de Markwise para hojas de cálculo, UTF-8 con marca de orden de bytes (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Excel workbook of every open class, one sheet each (*.xlsx)</source>
        <translation>Libro de Excel de todas las clases abiertas, una hoja por clase (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import Scores</source>
        <translation>Importar calificaciones</translation>
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
        <translation>No se pudo iniciar el trabajo de impresión.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Student report for %1</source>
        <extracomment>A student report&apos;s heading; %1 is the student&apos;s name.</extracomment>
        <translation>Informe del alumno %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Obtenido</translation>
    </message>
    <message>
        <source>Possible</source>
        <translation>Posible</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Calificación</translation>
    </message>
    <message>
        <source>Class roster for %1</source>
        <translation>Lista de clase de %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Grade level</source>
        <extracomment>The roster&apos;s column of grade levels (school years).</extracomment>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Book#</source>
        <translation>N.º libro</translation>
    </message>
    <message>
        <source>Phone#</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Progress Report List for %1   Cut-off = %2</source>
        <extracomment>%1 is the class&apos;s title, %2 the cut-off percentage.</extracomment>
        <translation>Informes de progreso de %1   Límite = %2</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>IDs</source>
        <translation>IDs</translation>
    </message>
    <message>
        <source>By category:</source>
        <extracomment>Over the grading policy&apos;s categories on a student report.</extracomment>
        <translation>Por categoría:</translation>
    </message>
    <message>
        <source>weight %1</source>
        <extracomment>A category&apos;s weight in the grade; %1 is the number.</extracomment>
        <translation>peso %1</translation>
    </message>
    <message>
        <source>dropped: %1</source>
        <extracomment>The assignments a category dropped from the grade; %1 lists their numbers.</extracomment>
        <translation>descartadas: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One category&apos;s line: %1 is its name and weight, %2 its percent.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>(dropped)</source>
        <extracomment>Beside a score the grading policy dropped as one of the lowest.</extracomment>
        <translation>(descartada)</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>Rellenar hacia abajo</translation>
    </message>
    <message>
        <source>Edit Assignment</source>
        <translation>Editar tarea</translation>
    </message>
</context>
<context>
    <name>SheetPrintJob</name>
    <message>
        <source>Grade Sheet</source>
        <translation>Hoja de calificaciones</translation>
    </message>
    <message>
        <source>All assignments</source>
        <translation>Todas las tareas</translation>
    </message>
</context>
<context>
    <name>SheetTableAccessible</name>
    <message>
        <source>Grade sheet</source>
        <translation>Hoja de calificaciones</translation>
    </message>
    <message>
        <source>out of %1 points</source>
        <translation>de %1 puntos</translation>
    </message>
</context>
<context>
    <name>SheetWords</name>
    <message>
        <source>Totals</source>
        <extracomment>Heading over each student&apos;s points received, percent and letter grade.</extracomment>
        <translation>Totales</translation>
    </message>
    <message>
        <source>(not counted)</source>
        <extracomment>After the title of an assignment that does not count in the totals.</extracomment>
        <translation>(no cuenta)</translation>
    </message>
</context>
<context>
    <name>StudentFieldBoxes</name>
    <message>
        <source>Last Name:</source>
        <translation>Apellido:</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Student ID:</source>
        <translation>ID de alumno:</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Curso:</translation>
    </message>
    <message>
        <source>Book Number:</source>
        <translation>Número de libro:</translation>
    </message>
    <message>
        <source>Telephone Number:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>ID de alumno</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Book Number</source>
        <translation>Número de libro</translation>
    </message>
    <message>
        <source>Telephone Number</source>
        <translation>Teléfono</translation>
    </message>
</context>
<context>
    <name>StudentFind</name>
    <message>
        <source>Find Student</source>
        <translation>Buscar alumno</translation>
    </message>
    <message>
        <source>Name or ID contains:</source>
        <translation>El nombre o ID contiene:</translation>
    </message>
    <message>
        <source>No student&apos;s name or ID contains &quot;%1&quot;.</source>
        <translation>Ningún nombre ni ID de alumno contiene «%1».</translation>
    </message>
</context>
<context>
    <name>Summaries</name>
    <message>
        <source>Grade Distribution</source>
        <translation>Distribución de calificaciones</translation>
    </message>
</context>
<context>
    <name>UiSeam</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;No guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>&amp;Open Anyway</source>
        <translation>&amp;Abrir de todos modos</translation>
    </message>
    <message>
        <source>O&amp;verwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
</context>
<context>
    <name>markwise::CAboutDlg</name>
    <message>
        <source>About Markwise</source>
        <translation>Acerca de Markwise</translation>
    </message>
    <message>
        <source>Markwise Version 1.0</source>
        <translation>Markwise versión 1.0</translation>
    </message>
    <message>
        <source>A grade book for teachers.</source>
        <translation>Un cuaderno de calificaciones para docentes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Splash Screen</source>
        <translation>Pantalla de inicio</translation>
    </message>
</context>
<context>
    <name>markwise::CDocManager</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>%1 is already open in another Markwise window (process %2). Open it anyway?</source>
        <translation>%1 ya está abierto en otra ventana de Markwise (proceso %2). ¿Abrirlo de todos modos?</translation>
    </message>
</context>
<context>
    <name>markwise::CDocument</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>%1 was deleted on disk; it has been written again.</source>
        <translation>%1 se borró del disco; se ha vuelto a escribir.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened or saved here.</source>
        <translation>%1 cambió en el disco desde que se abrió o guardó aquí.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>The grading policy of %1 could not be read when it was opened. Save it without its grading policy and score marks?</source>
        <translation>No se pudo leer la ponderación de calificaciones de %1 al abrirla. ¿Guardar la clase sin su ponderación ni las marcas EX (justificado) y M (falta)?</translation>
    </message>
</context>
<context>
    <name>markwise::CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Para obtener ayuda, pulse F1</translation>
    </message>
    <message>
        <source>The command could not be carried out.</source>
        <translation>No se pudo ejecutar la orden.</translation>
    </message>
</context>
<context>
    <name>markwise::CMarkwiseApp</name>
    <message>
        <source>Some settings could not be read:
</source>
        <translation>No se pudieron leer algunas opciones:
</translation>
    </message>
    <message>
        <source>

The settings file is left as it is until you choose OK in Preferences.</source>
        <translation>

El archivo de configuración queda como está hasta que pulse Aceptar en Preferencias.</translation>
    </message>
    <message>
        <source>Markwise Help</source>
        <translation>Ayuda de Markwise</translation>
    </message>
</context>
<context>
    <name>markwise::CMarkwiseView</name>
    <message>
        <source>Sort by Name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>Sort by Total Grade</source>
        <translation>Ordenar por calificación total</translation>
    </message>
    <message>
        <source>Sort Randomly</source>
        <translation>Ordenar aleatoriamente</translation>
    </message>
    <message>
        <source>You haven&apos;t created any students yet!</source>
        <translation>¡Todavía no ha creado ningún alumno!</translation>
    </message>
</context>
<context>
    <name>markwise::CProgressView</name>
    <message>
        <source>Discard the progress report comments?</source>
        <translation>¿Descartar los comentarios de los informes de progreso?</translation>
    </message>
</context>
<context>
    <name>markwise::CRecoveryCopies</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>No se puede crear la carpeta.</translation>
    </message>
    <message>
        <source>Recovery copies cannot be written: a crash would lose your changes.</source>
        <translation>No se pueden escribir copias de recuperación: un fallo haría perder sus cambios.</translation>
    </message>
    <message>
        <source>Markwise cannot write recovery copies in &quot;%1&quot;, so a crash would lose the changes made since the last save. %2

Save your work. Markwise tries again at the next change.</source>
        <translation>Markwise no puede escribir copias de recuperación en «%1», así que un fallo haría perder los cambios desde la última vez que guardó. %2

Guarde su trabajo. Markwise lo volverá a intentar en el próximo cambio.</translation>
    </message>
    <message>
        <source>Markwise did not close normally. Recover these classes?
</source>
        <translation>Markwise no se cerró correctamente. ¿Recuperar estas clases?
</translation>
    </message>
    <message>
        <source>never saved</source>
        <translation>nunca guardado</translation>
    </message>
</context>
<context>
    <name>markwise::CRosterView</name>
    <message>
        <source>Sort by Name</source>
        <translation>Ordenar por nombre</translation>
    </message>
</context>
<context>
    <name>markwise::CWindowList</name>
    <message>
        <source>&amp;More Windows...</source>
        <translation>Má&amp;s ventanas...</translation>
    </message>
    <message>
        <source>Select Window</source>
        <translation>Seleccionar ventana</translation>
    </message>
    <message>
        <source>&amp;Select Window:</source>
        <translation>&amp;Seleccione la ventana:</translation>
    </message>
</context>
<context>
    <name>markwise::SheetCellEditor</name>
    <message>
        <source>Student Points</source>
        <translation>Puntos del alumno</translation>
    </message>
</context>
</TS>
