<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DesignMenu</name>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>The built-in letter as it always was: your address at the top left</source>
        <translation>La carta integrada de siempre: su dirección arriba a la izquierda</translation>
    </message>
    <message>
        <source>&amp;Modern</source>
        <translation>&amp;Moderno</translation>
    </message>
    <message>
        <source>Your name in a band across the top, your address, phone and e-mail under it</source>
        <translation>Su nombre en una franja arriba, y debajo su dirección, teléfono y correo electrónico</translation>
    </message>
    <message>
        <source>&amp;Letterhead</source>
        <translation>Memb&amp;rete</translation>
    </message>
    <message>
        <source>Your name, address, phone and e-mail centred across the top, a rule under them</source>
        <translation>Su nombre, dirección, teléfono y correo electrónico centrados arriba, con una línea debajo</translation>
    </message>
    <message>
        <source>&amp;Design</source>
        <translation>&amp;Diseño</translation>
    </message>
    <message>
        <source>The look of the built-in letter</source>
        <translation>El aspecto de la carta integrada</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Yo&amp;ur Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your full name: it heads the letter and signs it</source>
        <translation>Su nombre completo: encabeza la carta y la firma</translation>
    </message>
    <message>
        <source>St&amp;reet Address:</source>
        <translation>D&amp;irección:</translation>
    </message>
    <message>
        <source>Your Street Address</source>
        <translation>Su dirección</translation>
    </message>
    <message>
        <source>Your street and house number, under your name</source>
        <translation>Su calle y número, bajo su nombre</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>Ci&amp;udad:</translation>
    </message>
    <message>
        <source>Your City</source>
        <translation>Su ciudad</translation>
    </message>
    <message>
        <source>Your city, in your address</source>
        <translation>Su ciudad, en su dirección</translation>
    </message>
    <message>
        <source>&amp;State:</source>
        <translation>E&amp;do.:</translation>
    </message>
    <message>
        <source>Your State</source>
        <translation>Su estado</translation>
    </message>
    <message>
        <source>Your state, after your city</source>
        <translation>Su estado, después de su ciudad</translation>
    </message>
    <message>
        <source>Zi&amp;p Code:</source>
        <translation>&amp;C.P.:</translation>
    </message>
    <message>
        <source>Your Zip Code</source>
        <translation>Su código postal</translation>
    </message>
    <message>
        <source>Your zip code, after your state</source>
        <translation>Su código postal, después de su estado</translation>
    </message>
    <message>
        <source>Recipient &amp;Name:</source>
        <translation>No&amp;mbre:</translation>
    </message>
    <message>
        <source>Recipient Name</source>
        <translation>Nombre del destinatario</translation>
    </message>
    <message>
        <source>Whom you write to: heads the inside address and the greeting</source>
        <translation>A quién escribe: encabeza la dirección del destinatario y el saludo</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>Car&amp;go:</translation>
    </message>
    <message>
        <source>Recipient Title</source>
        <translation>Cargo del destinatario</translation>
    </message>
    <message>
        <source>The recipient&apos;s job title</source>
        <translation>El puesto del destinatario</translation>
    </message>
    <message>
        <source>Co&amp;mpany Name:</source>
        <translation>Empre&amp;sa:</translation>
    </message>
    <message>
        <source>Recipient Company Name</source>
        <translation>Empresa del destinatario</translation>
    </message>
    <message>
        <source>The recipient&apos;s company</source>
        <translation>La empresa del destinatario</translation>
    </message>
    <message>
        <source>Street A&amp;ddress:</source>
        <translation>Di&amp;rección:</translation>
    </message>
    <message>
        <source>Recipient Street Address</source>
        <translation>Dirección del destinatario</translation>
    </message>
    <message>
        <source>The recipient&apos;s street and number</source>
        <translation>La calle y el número del destinatario</translation>
    </message>
    <message>
        <source>Cit&amp;y:</source>
        <translation>Ciud&amp;ad:</translation>
    </message>
    <message>
        <source>Recipient City</source>
        <translation>Ciudad del destinatario</translation>
    </message>
    <message>
        <source>The recipient&apos;s city</source>
        <translation>La ciudad del destinatario</translation>
    </message>
    <message>
        <source>St&amp;ate:</source>
        <translation>Ed&amp;o.:</translation>
    </message>
    <message>
        <source>Recipient State</source>
        <translation>Estado del destinatario</translation>
    </message>
    <message>
        <source>The recipient&apos;s state</source>
        <translation>El estado del destinatario</translation>
    </message>
    <message>
        <source>&amp;Zip Code:</source>
        <translation>C.&amp;P.:</translation>
    </message>
    <message>
        <source>Recipient Zip Code</source>
        <translation>Código postal del destinatario</translation>
    </message>
    <message>
        <source>The recipient&apos;s zip code</source>
        <translation>El código postal del destinatario</translation>
    </message>
    <message>
        <source>Fills the letter template with these fields and today&apos;s date and shows the letter</source>
        <translation>Rellena la plantilla de la carta con estos campos y la fecha de hoy y muestra la carta</translation>
    </message>
    <message>
        <source>Empties the twelve fields (Ctrl+Z brings them back)</source>
        <translation>Vacía los doce campos (Ctrl+Z los recupera)</translation>
    </message>
    <message>
        <source>Fills the twelve fields with an example letter (Ctrl+Z brings yours back)</source>
        <translation>Rellena los doce campos con una carta de ejemplo (Ctrl+Z recupera los suyos)</translation>
    </message>
    <message>
        <source>Cleared. Ctrl+Z to undo.</source>
        <translation>Campos borrados. Ctrl+Z para deshacer.</translation>
    </message>
    <message>
        <source>Sample loaded. Ctrl+Z to undo.</source>
        <translation>Ejemplo cargado. Ctrl+Z para deshacer.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>The Letter, Edit, View and Help menus</source>
        <translation>Los menús Carta, Editar, Ver y Ayuda</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>Car&amp;ta</translation>
    </message>
    <message>
        <source>The letter&apos;s template and text, and Quit</source>
        <translation>La plantilla y el texto de la carta, y Salir</translation>
    </message>
    <message>
        <source>&amp;Built-in Letter</source>
        <translation>Carta &amp;integrada</translation>
    </message>
    <message>
        <source>Make letters from the built-in template</source>
        <translation>Crear las cartas con la plantilla integrada</translation>
    </message>
    <message>
        <source>&amp;Use My Own Template…</source>
        <translation>&amp;Usar mi propia plantilla…</translation>
    </message>
    <message>
        <source>Make letters from a document of your own that holds the placeholders</source>
        <translation>Crear las cartas con un documento propio que contenga los marcadores</translation>
    </message>
    <message>
        <source>&amp;Save Built-in Letter As…</source>
        <translation>&amp;Guardar la carta integrada como…</translation>
    </message>
    <message>
        <source>Save the built-in letter to write your own text around its placeholders</source>
        <translation>Guardar la carta integrada para escribir su propio texto alrededor de sus marcadores</translation>
    </message>
    <message>
        <source>&amp;Edit Letter Text…</source>
        <translation>&amp;Editar el texto de la carta…</translation>
    </message>
    <message>
        <source>Write the built-in letter&apos;s body in your own words, with your phone and e-mail</source>
        <translation>Escribir el cuerpo de la carta integrada con sus propias palabras, con su teléfono y su correo electrónico</translation>
    </message>
    <message>
        <source>More &amp;Fields…</source>
        <translation>&amp;Más campos…</translation>
    </message>
    <message>
        <source>Give values to the placeholders your letter uses beyond the fields, such as [Position]</source>
        <translation>Dar valores a los marcadores que su carta usa además de los campos, como [Position]</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo of Clear/Reset Data and Load Sample/Example Data</source>
        <translation>Deshacer Borrar/restablecer datos y Cargar datos de ejemplo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>The placeholders, and about Tessaline</source>
        <translation>Los marcadores, y acerca de Tessaline</translation>
    </message>
    <message>
        <source>&amp;Placeholders…</source>
        <translation>&amp;Marcadores…</translation>
    </message>
    <message>
        <source>&amp;About Tessaline</source>
        <translation>&amp;Acerca de Tessaline</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Más menús</translation>
    </message>
    <message>
        <source>The menus that do not fit on the menu bar</source>
        <translation>Los menús que no caben en la barra de menús</translation>
    </message>
    <message>
        <source>Start Creatin&amp;g Template</source>
        <translation>Crear &amp;la plantilla</translation>
    </message>
    <message>
        <source>&amp;Clear/Reset Data</source>
        <translation>&amp;Borrar/restablecer datos</translation>
    </message>
    <message>
        <source>L&amp;oad Sample/Example Data</source>
        <translation>Cargar datos de e&amp;jemplo</translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation>Sus datos</translation>
    </message>
    <message>
        <source>Recipient Information</source>
        <translation>Destinatario</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Letter Date</source>
        <translation>Fecha de la carta</translation>
    </message>
    <message>
        <source>Set to today&apos;s date whenever a letter is made</source>
        <translation>Se pone en la fecha de hoy cada vez que se crea una carta</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>%1

You can go on working, but your entries will not be remembered for the next start.</source>
        <translation>%1

Puede seguir trabajando, pero sus datos no se recordarán en el próximo inicio.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>borrado</translation>
    </message>
    <message>
        <source>Load Sample</source>
        <translation>carga del ejemplo</translation>
    </message>
    <message>
        <source>Use My Own Template</source>
        <translation>Usar mi propia plantilla</translation>
    </message>
    <message>
        <source>Save Built-in Letter As</source>
        <translation>Guardar la carta integrada como</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Saving the built-in letter…</source>
        <translation>Guardando la carta integrada…</translation>
    </message>
    <message>
        <source>The built-in letter is saved as %1.

Open it in your word processor, write your own text around the placeholders, save it, and choose it with Letter &gt; Use My Own Template….</source>
        <translation>La carta integrada se ha guardado como %1.

Ábrala en su procesador de textos, escriba su propio texto alrededor de los marcadores, guárdela y elíjala con Carta &gt; Usar mi propia plantilla….</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Making the letter…</source>
        <translation>Creando la carta…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>The live page beside the fields</source>
        <translation>La página en vivo junto a los campos</translation>
    </message>
    <message>
        <source>Live &amp;Page</source>
        <translation>Página en &amp;vivo</translation>
    </message>
    <message>
        <source>Shows the letter beside the fields as you type</source>
        <translation>Muestra la carta junto a los campos mientras escribe</translation>
    </message>
    <message>
        <source>Le&amp;tters Sent…</source>
        <translation>&amp;Cartas enviadas…</translation>
    </message>
    <message>
        <source>Every letter saved, exported, printed or written by a batch, and its status</source>
        <translation>Cada carta guardada, exportada, impresa o escrita por un lote, y su estado</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>&amp;Save Results To Word File…</source>
        <translation>&amp;Guardar en archivo de Word…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>Exportar como &amp;PDF…</translation>
    </message>
    <message>
        <source>Export as &amp;Word 2007-365 (.docx)…</source>
        <translation>Exportar como &amp;Word 2007-365 (.docx)…</translation>
    </message>
    <message>
        <source>Export as &amp;OpenDocument (.odt)…</source>
        <translation>Exportar como Open&amp;Document (.odt)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; V&amp;olver</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
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
        <source>Menu Bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>Save, export or print the letter, go back, quit, and zoom</source>
        <translation>Guardar, exportar o imprimir la carta, volver, salir y hacer zoom</translation>
    </message>
    <message>
        <source>More Menus</source>
        <translation>Más menús</translation>
    </message>
    <message>
        <source>Shows the menus that do not fit on the menu bar</source>
        <translation>Muestra los menús que no caben en la barra de menús</translation>
    </message>
    <message>
        <source>Edit Letter Text…</source>
        <translation>Editar el texto de la carta…</translation>
    </message>
    <message>
        <source>Goes back to the fields and opens the Letter Text window</source>
        <translation>Vuelve a los campos y abre la ventana Texto de la carta</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>A&amp;cercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Save Results To Word File</source>
        <translation>&amp;Guardar en archivo de Word</translation>
    </message>
    <message>
        <source>Shows the page a quarter step larger</source>
        <translation>Muestra la página un cuarto más grande</translation>
    </message>
    <message>
        <source>Shows the page a quarter step smaller</source>
        <translation>Muestra la página un cuarto más pequeña</translation>
    </message>
    <message>
        <source>Saves the letter as a Word 97-2003 document under a name you choose</source>
        <translation>Guarda la carta como documento de Word 97-2003 con el nombre que elija</translation>
    </message>
    <message>
        <source>Returns to the fields, to change them and make another letter</source>
        <translation>Vuelve a los campos, para cambiarlos y crear otra carta</translation>
    </message>
    <message>
        <source>The letter has no page to show</source>
        <translation>La carta no tiene ninguna página que mostrar</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>page %1 of %2, %3</source>
        <translation>página %1 de %2, %3</translation>
    </message>
    <message>
        <source>%1 — Preview (%2)</source>
        <translation>%1 — Vista previa (%2)</translation>
    </message>
    <message>
        <source> — %1</source>
        <translation> — %1</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Página &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Página &amp;anterior</translation>
    </message>
    <message>
        <source>No office is there to export the letter.</source>
        <translation>No hay ninguna suite ofimática para exportar la carta.</translation>
    </message>
    <message>
        <source>No office is there to print the letter.</source>
        <translation>No hay ninguna suite ofimática para imprimir la carta.</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>Página com&amp;pleta</translation>
    </message>
    <message>
        <source>&amp;Fit Page</source>
        <translation>A&amp;justar a la página</translation>
    </message>
    <message>
        <source>%1

The page is shown as you chose, but the choice will not be remembered for the next start.</source>
        <translation>%1

La página se muestra como la eligió, pero la elección no se recordará en el próximo inicio.</translation>
    </message>
    <message>
        <source>&amp;Letters Sent…</source>
        <translation>&amp;Cartas enviadas…</translation>
    </message>
    <message>
        <source>Send by E-&amp;mail…</source>
        <translation>Enviar por correo &amp;electrónico…</translation>
    </message>
    <message>
        <source>No office is there to write the letter for the e-mail.</source>
        <translation>No hay ninguna suite ofimática para escribir la carta que se adjuntará al correo.</translation>
    </message>
</context>
<context>
    <name>LetterFormat</name>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Archivos de Word (*.doc)</translation>
    </message>
    <message>
        <source>Word 2007-365 Documents (*.docx)</source>
        <translation>Documentos de Word 2007-365 (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>Texto OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LetterSession</name>
    <message>
        <source>&amp;Make the Letter Anyway</source>
        <translation>&amp;Crear la carta de todos modos</translation>
    </message>
    <message>
        <source>More &amp;Fields…</source>
        <translation>&amp;Más campos…</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Before the letter is made, have a look:</source>
        <translation>Antes de crear la carta, eche un vistazo:</translation>
    </message>
    <message>
        <source>Make the letter anyway, or go back and change it?</source>
        <translation>¿Crear la carta de todos modos, o volver y cambiarla?</translation>
    </message>
</context>
<context>
    <name>LetterStatus</name>
    <message>
        <source>written</source>
        <translation>escrita</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviada</translation>
    </message>
    <message>
        <source>interview</source>
        <translation>entrevista</translation>
    </message>
    <message>
        <source>offer</source>
        <translation>oferta</translation>
    </message>
    <message>
        <source>rejected</source>
        <translation>rechazada</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
</context>
<context>
    <name>LetterTextWindow</name>
    <message>
        <source>Letter Text</source>
        <translation>Texto de la carta</translation>
    </message>
    <message>
        <source>The body of the built-in letter: what stands between &quot;Dear …:&quot; and &quot;Sincerely,&quot;. A blank line starts a new paragraph; a line that begins with a dash and a space (&quot;- &quot;) is a bulleted item. Placeholders such as [CompanyName] are filled as everywhere else.</source>
        <translation>El cuerpo de la carta integrada: lo que va entre «Dear …:» y «Sincerely,». Una línea en blanco empieza un párrafo nuevo; una línea que empieza con un guion y un espacio («- ») es un elemento de lista con viñeta. Los marcadores como [CompanyName] se rellenan igual que en el resto.</translation>
    </message>
    <message>
        <source>Your own template, %1, is in use: it keeps its own words, and this text is used once you choose Letter &gt; Built-in Letter again. Your phone and e-mail fill [Phone] and [Email] in every template.</source>
        <translation>Se está usando su propia plantilla, %1: conserva sus propias palabras, y este texto se usará en cuanto vuelva a elegir Carta &gt; Carta integrada. Su teléfono y su correo electrónico rellenan [Phone] y [Email] en todas las plantillas.</translation>
    </message>
    <message>
        <source>Letter &amp;text:</source>
        <translation>&amp;Texto de la carta:</translation>
    </message>
    <message>
        <source>The body of the built-in letter, in your own words</source>
        <translation>El cuerpo de la carta integrada, con sus propias palabras</translation>
    </message>
    <message>
        <source>Letter Text, up and down</source>
        <translation>Texto de la carta, arriba y abajo</translation>
    </message>
    <message>
        <source>Scrolls the letter text up and down</source>
        <translation>Desplaza el texto de la carta arriba y abajo</translation>
    </message>
    <message>
        <source>Letter Text, sideways</source>
        <translation>Texto de la carta, a los lados</translation>
    </message>
    <message>
        <source>Scrolls the letter text sideways</source>
        <translation>Desplaza el texto de la carta a los lados</translation>
    </message>
    <message>
        <source>&amp;Insert Placeholder</source>
        <translation>&amp;Insertar marcador</translation>
    </message>
    <message>
        <source>Puts a placeholder where the caret is in the letter text</source>
        <translation>Inserta un marcador donde está el cursor en el texto de la carta</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>&amp;Restore Built-in Text</source>
        <translation>&amp;Restaurar texto integrado</translation>
    </message>
    <message>
        <source>Puts the built-in letter&apos;s body back into the letter text</source>
        <translation>Vuelve a poner el cuerpo de la carta integrada en el texto de la carta</translation>
    </message>
    <message>
        <source>Your Phone</source>
        <translation>Su teléfono</translation>
    </message>
    <message>
        <source>Fills [Phone] in the letter</source>
        <translation>Rellena [Phone] en la carta</translation>
    </message>
    <message>
        <source>Your E-mail</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Fills [Email] in the letter</source>
        <translation>Rellena [Email] en la carta</translation>
    </message>
    <message>
        <source>Your Country</source>
        <translation>Su país</translation>
    </message>
    <message>
        <source>Fills [Country]: a line under your city when given</source>
        <translation>Rellena [Country]: una línea bajo su ciudad, si se indica</translation>
    </message>
    <message>
        <source>Recipient&apos;s Country</source>
        <translation>País del destinatario</translation>
    </message>
    <message>
        <source>Fills [Country2]: a line under the recipient&apos;s city when given</source>
        <translation>Rellena [Country2]: una línea bajo la ciudad del destinatario, si se indica</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Saludo</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s greeting; placeholders work here</source>
        <translation>El saludo de la carta integrada; aquí funcionan los marcadores</translation>
    </message>
    <message>
        <source>Greeting Without a Name</source>
        <translation>Saludo sin nombre</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s greeting when the recipient&apos;s name is empty</source>
        <translation>El saludo de la carta integrada cuando el nombre del destinatario está vacío</translation>
    </message>
    <message>
        <source>Closing</source>
        <translation>Despedida</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s closing; empty: none</source>
        <translation>La despedida de la carta integrada; vacía: ninguna</translation>
    </message>
    <message>
        <source>Enclosure Line</source>
        <translation>Línea de anexos</translation>
    </message>
    <message>
        <source>The line under your name; empty: none</source>
        <translation>La línea bajo su nombre; vacía: ninguna</translation>
    </message>
    <message>
        <source>Keeps the letter text and everything below it</source>
        <translation>Conserva el texto de la carta y todo lo que hay debajo</translation>
    </message>
    <message>
        <source>Closes the window and keeps nothing</source>
        <translation>Cierra la ventana sin conservar nada</translation>
    </message>
    <message>
        <source>Spelling Dictionary</source>
        <translation>Diccionario ortográfico</translation>
    </message>
    <message>
        <source>The language the letter text&apos;s spelling is checked in</source>
        <translation>El idioma en que se revisa la ortografía del texto de la carta</translation>
    </message>
    <message>
        <source>Your language&apos;s</source>
        <translation>El de su idioma</translation>
    </message>
    <message>
        <source>&amp;Dictionary:</source>
        <translation>&amp;Diccionario:</translation>
    </message>
    <message>
        <source>Your P&amp;hone:</source>
        <translation>Telé&amp;fono:</translation>
    </message>
    <message>
        <source>Your E-&amp;mail:</source>
        <translation>Correo &amp;electrónico:</translation>
    </message>
    <message>
        <source>Your Co&amp;untry:</source>
        <translation>&amp;País:</translation>
    </message>
    <message>
        <source>Recipient&apos;s Countr&amp;y:</source>
        <translation>País del desti&amp;natario:</translation>
    </message>
    <message>
        <source>&amp;Greeting:</source>
        <translation>&amp;Saludo:</translation>
    </message>
    <message>
        <source>Greeting &amp;without a name:</source>
        <translation>Saludo sin nom&amp;bre:</translation>
    </message>
    <message>
        <source>C&amp;losing:</source>
        <translation>Despedid&amp;a:</translation>
    </message>
    <message>
        <source>&amp;Enclosure line:</source>
        <translation>Línea de ane&amp;xos:</translation>
    </message>
    <message>
        <source>Add to &amp;Dictionary</source>
        <translation>Añadir al &amp;diccionario</translation>
    </message>
    <message>
        <source>%1

Your letter text was not kept; the window stays open so that nothing you typed is lost.</source>
        <translation>%1

El texto de su carta no se ha guardado; la ventana sigue abierta para que no se pierda nada de lo que escribió.</translation>
    </message>
    <message>
        <source>The picture signed above your typed name</source>
        <translation>La imagen de su firma, encima de su nombre mecanografiado</translation>
    </message>
    <message>
        <source>Ch&amp;oose…</source>
        <translation>E&amp;legir…</translation>
    </message>
    <message>
        <source>Choose Signature</source>
        <translation>Elegir la firma</translation>
    </message>
    <message>
        <source>Chooses a picture of your signature (PNG, JPEG or SVG) for above your typed name</source>
        <translation>Elige una imagen de su firma (PNG, JPEG o SVG) para ponerla encima de su nombre mecanografiado</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove Signature</source>
        <translation>Quitar la firma</translation>
    </message>
    <message>
        <source>Letters are no longer signed with a picture</source>
        <translation>Las cartas dejan de firmarse con una imagen</translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>Firma: %1</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg</translation>
    </message>
    <message>
        <source>Your Web Page</source>
        <translation>Su página web</translation>
    </message>
    <message>
        <source>Fills [Web]: the letterhead design&apos;s line under your phone and e-mail</source>
        <translation>Rellena [Web]: la línea del diseño Membrete bajo su teléfono y correo electrónico</translation>
    </message>
    <message>
        <source>Your We&amp;b Page:</source>
        <translation>Página &amp;web:</translation>
    </message>
</context>
<context>
    <name>LettersModel</name>
    <message>
        <source>The status could not be kept: %1.</source>
        <translation>No se pudo guardar el estado: %1.</translation>
    </message>
</context>
<context>
    <name>LettersWindow</name>
    <message>
        <source>Letters Sent</source>
        <translation>Cartas enviadas</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Company, recipient, position, status or file</source>
        <translation>Empresa, destinatario, puesto, estado o archivo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Shows only the letters whose row holds these words</source>
        <translation>Muestra solo las cartas cuya fila contiene estas palabras</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>Each letter written, a row each; F2 sets its status</source>
        <translation>Cada carta escrita, una fila cada una; F2 cambia su estado</translation>
    </message>
    <message>
        <source>&amp;Open Letter</source>
        <translation>&amp;Abrir la carta</translation>
    </message>
    <message>
        <source>Opens the chosen letter&apos;s file</source>
        <translation>Abre el archivo de la carta elegida</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>Abrir la car&amp;peta</translation>
    </message>
    <message>
        <source>Opens the folder that holds the chosen letter</source>
        <translation>Abre la carpeta que contiene la carta elegida</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportar a CSV…</translation>
    </message>
    <message>
        <source>Writes the letters shown to a CSV file</source>
        <translation>Escribe las cartas mostradas en un archivo CSV</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The record of letters cannot be read: %1.</source>
        <translation>No se puede leer el registro de cartas: %1.</translation>
    </message>
    <message>
        <source>The letter %1 is no longer there: it was moved or deleted.</source>
        <translation>La carta %1 ya no está: se movió o se eliminó.</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>No se pudo iniciar ningún programa para abrir %1.</translation>
    </message>
    <message>
        <source>The folder %1 is no longer there.</source>
        <translation>La carpeta %1 ya no está.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Not redrawn: %1</source>
        <translation>No redibujada: %1</translation>
    </message>
    <message>
        <source>Not redrawn: the office stopped. Your next change draws the page again.</source>
        <translation>No redibujada: la suite ofimática se detuvo. Su próximo cambio volverá a dibujar la página.</translation>
    </message>
</context>
<context>
    <name>LivePageWindow</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message>
        <source>Draws the live page again</source>
        <translation>Vuelve a dibujar la página en vivo</translation>
    </message>
    <message>
        <source>Live Page View</source>
        <translation>Vista de la página en vivo</translation>
    </message>
    <message>
        <source>Shows a page of the letter as the fields make it now</source>
        <translation>Muestra una página de la carta tal como la componen ahora los campos</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Live page %1 of %2</source>
        <translation>Página en vivo %1 de %2</translation>
    </message>
    <message>
        <source>Live page</source>
        <translation>Página en vivo</translation>
    </message>
    <message>
        <source>A draft of the letter as the fields make it now, redrawn as you type; nothing is saved from it.%1</source>
        <translation>Un borrador de la carta tal como la componen ahora los campos, redibujado mientras escribe; no se guarda nada de él.%1</translation>
    </message>
    <message>
        <source> Page Up and Page Down turn the pages.</source>
        <translation> Re Pág y Av Pág pasan las páginas.</translation>
    </message>
    <message>
        <source>%1 — Live Page (page %2 of %3)</source>
        <translation>%1 — Página en vivo (página %2 de %3)</translation>
    </message>
    <message>
        <source>%1 — Live Page</source>
        <translation>%1 — Página en vivo</translation>
    </message>
</context>
<context>
    <name>MailHandover</name>
    <message>
        <source>Application</source>
        <translation>Candidatura</translation>
    </message>
    <message>
        <source>Application: %1</source>
        <translation>Candidatura al puesto de %1</translation>
    </message>
    <message>
        <source>No e-mail program can take the letter: this desktop has neither an e-mail portal nor xdg-email with a mail program set up. Export the letter with File ▸ Export as PDF… and attach it to a message yourself.</source>
        <translation>Ningún programa de correo puede recibir la carta: este escritorio no tiene ni un portal de correo electrónico ni xdg-email con un programa de correo configurado. Exporte la carta con Archivo ▸ Exportar como PDF… y adjúntela a un mensaje por su cuenta.</translation>
    </message>
    <message>
        <source>The letter could not be handed to the e-mail program. Export it with File ▸ Export as PDF… and attach it to a message yourself.</source>
        <translation>No se pudo pasar la carta al programa de correo. Expórtela con Archivo ▸ Exportar como PDF… y adjúntela a un mensaje por su cuenta.</translation>
    </message>
</context>
<context>
    <name>MoreFieldsWindow</name>
    <message>
        <source>More Fields</source>
        <translation>Más campos</translation>
    </message>
    <message>
        <source>Values for the placeholders your letter uses beyond the fields, [Phone] and [Email]. Each fills every letter you make here, and a list&apos;s column of the same name takes its place in a batch.</source>
        <translation>Valores para los marcadores que su carta usa además de los campos, [Phone] y [Email]. Cada uno rellena todas las cartas que cree aquí; en un lote, una columna de la lista con el mismo nombre ocupa su lugar.</translation>
    </message>
    <message>
        <source>Your letter text uses no such placeholder. Put one such as [Position] in it (Letter &gt; Edit Letter Text…), and it is listed here. Those of your own template are listed once a letter has been made from it.</source>
        <translation>El texto de su carta no usa ningún marcador de este tipo. Ponga uno, como [Position] (Carta &gt; Editar el texto de la carta…), y aparecerá aquí. Los de su propia plantilla aparecen una vez que se ha creado una carta con ella.</translation>
    </message>
    <message>
        <source>What fills [%1] in your letters</source>
        <translation>Lo que rellena [%1] en sus cartas</translation>
    </message>
    <message>
        <source>%1

Your values were not all kept; the window stays open so that nothing you typed is lost.</source>
        <translation>%1

No se han guardado todos sus valores; la ventana sigue abierta para que no se pierda nada de lo que escribió.</translation>
    </message>
</context>
<context>
    <name>NoticeLine</name>
    <message>
        <source>Worth a look</source>
        <translation>Conviene revisar</translation>
    </message>
</context>
<context>
    <name>PageArea</name>
    <message>
        <source>Page View</source>
        <translation>Vista de la página</translation>
    </message>
    <message>
        <source>Shows the letter&apos;s page at the chosen zoom</source>
        <translation>Muestra la página de la carta con el zoom elegido</translation>
    </message>
    <message>
        <source>Visible Area</source>
        <translation>Área visible</translation>
    </message>
    <message>
        <source>The part of the view through which the page shows</source>
        <translation>La parte de la vista a través de la cual se ve la página</translation>
    </message>
    <message>
        <source>Horizontal Scroll</source>
        <translation>Desplazamiento horizontal</translation>
    </message>
    <message>
        <source>Moves the page left and right</source>
        <translation>Mueve la página a izquierda y derecha</translation>
    </message>
    <message>
        <source>Vertical Scroll</source>
        <translation>Desplazamiento vertical</translation>
    </message>
    <message>
        <source>Moves the page up and down</source>
        <translation>Mueve la página arriba y abajo</translation>
    </message>
    <message>
        <source>Letter Page %1 of %2</source>
        <translation>Página %1 de %2 de la carta</translation>
    </message>
    <message>
        <source>Letter Page</source>
        <translation>Página de la carta</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>, page %1 of %2</source>
        <translation>, página %1 de %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. A page of the filled letter: the arrow keys, Page Up, Page Down, Home and End scroll it, or drag it</source>
        <translation>%1. Una página de la carta rellenada: las flechas, Re Pág, Av Pág, Inicio y Fin la desplazan, o arrástrela</translation>
    </message>
    <message>
        <source>Largest zoom reached</source>
        <translation>Se alcanzó el zoom máximo</translation>
    </message>
    <message>
        <source>Smallest zoom reached</source>
        <translation>Se alcanzó el zoom mínimo</translation>
    </message>
</context>
<context>
    <name>PaperSizeMenu</name>
    <message>
        <source>&amp;Paper Size</source>
        <translation>&amp;Tamaño de papel</translation>
    </message>
    <message>
        <source>The paper the built-in letter is laid out on</source>
        <translation>El papel en el que se compone la carta integrada</translation>
    </message>
    <message>
        <source>&amp;A4</source>
        <translation>&amp;A4</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on A4 paper (210 × 297 mm)</source>
        <translation>Componer la carta integrada en papel A4 (210 × 297 mm)</translation>
    </message>
    <message>
        <source>US &amp;Letter</source>
        <translation>&amp;Carta (EE. UU.)</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on US Letter paper (8.5 × 11 in)</source>
        <translation>Componer la carta integrada en papel Carta de EE. UU. (8,5 × 11 pulg.)</translation>
    </message>
</context>
<context>
    <name>PlaceholdersWindow</name>
    <message>
        <source>Placeholders</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Filled with</source>
        <translation>Se rellena con</translation>
    </message>
    <message>
        <source>Each placeholder and what fills it, a row each</source>
        <translation>Cada marcador y lo que lo rellena, una fila cada uno</translation>
    </message>
    <message>
        <source>How placeholders are matched</source>
        <translation>Cómo se reconocen los marcadores</translation>
    </message>
    <message>
        <source>Letter case, where placeholders are filled, and your own fields</source>
        <translation>Mayúsculas y minúsculas, dónde se rellenan los marcadores y sus propios campos</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Cierra esta ventana</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>the office wrote nothing</source>
        <translation>la suite ofimática no escribió nada</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the file was already written or discarded</source>
        <translation>el archivo ya se escribió o se descartó</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full (%2).</source>
        <translation>El disco que contiene %1 está lleno (%2).</translation>
    </message>
    <message>
        <source>Cannot read the letter %1: %2</source>
        <translation>No se puede leer la carta %1: %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>una tubería con nombre (FIFO)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>is %1, not a regular file</source>
        <translation>es %1, no un archivo normal</translation>
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
        <translation>ocupa más de %1</translation>
    </message>
    <message>
        <source>Cannot mark the folder %1 as in use: %2</source>
        <translation>No se puede marcar la carpeta %1 como en uso: %2</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another running program</source>
        <translation>La carpeta %1 la está usando otro programa en ejecución</translation>
    </message>
    <message>
        <source>The folder %1 was removed while it was being made</source>
        <translation>La carpeta %1 se eliminó mientras se creaba</translation>
    </message>
    <message>
        <source>Cannot write in %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Cannot write in %1: its lock file keeps changing</source>
        <translation>No se puede escribir en %1: su archivo de bloqueo no deja de cambiar</translation>
    </message>
    <message>
        <source>Cannot create the scratch folder %1: %2</source>
        <translation>No se puede crear la carpeta temporal %1: %2</translation>
    </message>
    <message>
        <source>The scratch folder %1 is not a folder of your own; remove it or set the variable TMPDIR.</source>
        <translation>La carpeta temporal %1 no es suya; elimínela o defina la variable TMPDIR.</translation>
    </message>
    <message>
        <source>The scratch folder %1 is open to other users; remove it or set the variable TMPDIR.</source>
        <translation>La carpeta temporal %1 está abierta a otros usuarios; elimínela o defina la variable TMPDIR.</translation>
    </message>
    <message>
        <source>Cannot save your entries to %1: the file cannot be written.</source>
        <translation>No se pueden guardar sus datos en %1: no se puede escribir el archivo.</translation>
    </message>
    <message>
        <source>Cannot save your entries to %1: it is %2, not a regular file.</source>
        <translation>No se pueden guardar sus datos en %1: es %2, no un archivo normal.</translation>
    </message>
    <message>
        <source>Columns of the list:</source>
        <translation>Columnas de la lista:</translation>
    </message>
    <message>
        <source>fills nothing</source>
        <translation>no rellena nada</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>ignorada</translation>
    </message>
    <message>
        <source>From the window&apos;s settings, in every letter:</source>
        <translation>De la configuración de la ventana, en todas las cartas:</translation>
    </message>
    <message>
        <source>From More Fields, in every letter:</source>
        <translation>De Más campos, en todas las cartas:</translation>
    </message>
    <message>
        <source>Empty in every letter:</source>
        <translation>Vacío en todas las cartas:</translation>
    </message>
    <message>
        <source>The letter of line %1, %2:</source>
        <translation>La carta de la línea %1, %2:</translation>
    </message>
    <message>
        <source>Dry run, nothing written: %1 of %2 rows would make a letter, %3 would fail.</source>
        <translation>Simulación, no se escribió nada: %1 de %2 filas darían una carta, %3 fallarían.</translation>
    </message>
    <message>
        <source>%1: it already exists</source>
        <translation>%1: ya existe</translation>
    </message>
    <message>
        <source>%1: they already exist</source>
        <translation>%1: ya existen</translation>
    </message>
    <message>
        <source>the office could not write the letter (%1)</source>
        <translation>la suite ofimática no pudo escribir la carta (%1)</translation>
    </message>
    <message>
        <source>the office could not fill in the letter (%1)</source>
        <translation>la suite ofimática no pudo rellenar la carta (%1)</translation>
    </message>
    <message>
        <source>written %1; %2</source>
        <translation>escrito %1; %2</translation>
    </message>
    <message>
        <source>Cannot start an office with the template: %1</source>
        <translation>No se puede iniciar una suite ofimática con la plantilla: %1</translation>
    </message>
    <message>
        <source>An office could not be started: %1</source>
        <translation>No se pudo iniciar una suite ofimática: %1</translation>
    </message>
    <message>
        <source>An office could not be started again: %1</source>
        <translation>No se pudo volver a iniciar una suite ofimática: %1</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; is ignored: it repeats another column or has no name.</source>
        <translation>Se ignora la columna «%1»: repite otra columna o no tiene nombre.</translation>
    </message>
    <message>
        <source>Columns &quot;%1&quot; are ignored: they repeat other columns or have no name.</source>
        <translation>Se ignoran las columnas «%1»: repiten otras columnas o no tienen nombre.</translation>
    </message>
    <message>
        <source>The list&apos;s columns are separated by semicolons.</source>
        <translation>Las columnas de la lista están separadas por punto y coma.</translation>
    </message>
    <message>
        <source>The list&apos;s columns are separated by tabs.</source>
        <translation>Las columnas de la lista están separadas por tabuladores.</translation>
    </message>
    <message>
        <source>--sheet: %1 is no spreadsheet (.xlsx, .xls or .ods)</source>
        <translation>--sheet: %1 no es una hoja de cálculo (.xlsx, .xls u .ods)</translation>
    </message>
    <message>
        <source>The template chosen in the window, %1, is %2, not a regular file; the built-in one is used.</source>
        <translation>La plantilla elegida en la ventana, %1, es %2, no un archivo normal; se usa la integrada.</translation>
    </message>
    <message>
        <source>The template chosen in the window, %1, is missing; the built-in one is used.</source>
        <translation>La plantilla elegida en la ventana, %1, no se encuentra; se usa la integrada.</translation>
    </message>
    <message>
        <source>--paper: the template %1 keeps its own paper.</source>
        <translation>--paper: la plantilla %1 conserva su propio papel.</translation>
    </message>
    <message>
        <source>--strict: no letter is written, for the warnings above.</source>
        <translation>--strict: no se escribe ninguna carta, por las advertencias anteriores.</translation>
    </message>
    <message>
        <source>Spelling: &apos;%1&apos; and %2 more words may be misspelled in your letter text.</source>
        <translation>Ortografía: «%1» y %2 palabras más pueden estar mal escritas en el texto de su carta.</translation>
    </message>
    <message>
        <source>Spelling: &apos;%1&apos; may be misspelled in your letter text.</source>
        <translation>Ortografía: «%1» puede estar mal escrita en el texto de su carta.</translation>
    </message>
    <message>
        <source>line %1: skipped: the row is empty</source>
        <translation>línea %1: omitida: la fila está vacía</translation>
    </message>
    <message>
        <source>line %1: failed: %2</source>
        <translation>línea %1: error: %2</translation>
    </message>
    <message>
        <source>1 row has nothing for its file name: its letter is named after its line in the list, &quot;%1&quot;.</source>
        <translation>1 fila no tiene nada para su nombre de archivo: su carta lleva el nombre de su línea en la lista, «%1».</translation>
    </message>
    <message>
        <source>%1 rows have nothing for their file names: each letter is named after its line in the list, such as &quot;%2&quot;.</source>
        <translation>%1 filas no tienen nada para sus nombres de archivo: cada carta lleva el nombre de su línea en la lista, como «%2».</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot write into %1: its lock file .tessaline-writer belongs to the user %2. Choose another folder, or have %2 remove it.</source>
        <translation>No se puede escribir en %1: su archivo de bloqueo .tessaline-writer pertenece al usuario %2. Elija otra carpeta, o pida a %2 que lo elimine.</translation>
    </message>
    <message>
        <source>Another batch is writing into %1 (process %2); wait for it to end.</source>
        <translation>Otro lote está escribiendo en %1 (proceso %2); espere a que termine.</translation>
    </message>
    <message>
        <source>Another batch is writing into %1; wait for it to end.</source>
        <translation>Otro lote está escribiendo en %1; espere a que termine.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no &quot;=&quot; (write COLUMN=PLACEHOLDER)</source>
        <translation>«%1» no tiene «=» (escriba COLUMNA=MARCADOR)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no column</source>
        <translation>«%1» no nombra ninguna columna</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no placeholder</source>
        <translation>«%1» no nombra ningún marcador</translation>
    </message>
    <message>
        <source>--columns: the list has no column &quot;%1&quot; (its columns: &quot;%2&quot;)</source>
        <translation>--columns: la lista no tiene ninguna columna «%1» (sus columnas: «%2»)</translation>
    </message>
    <message>
        <source>[%1] (the recipient&apos;s; the sender&apos;s [%2] when the list has the recipient&apos;s own column or the name says &quot;Sender&quot; or &quot;Your&quot;)</source>
        <translation>[%1] (el del destinatario; el suyo, [%2], cuando la lista tiene la columna propia del destinatario o el nombre dice «Sender» o «Your»)</translation>
    </message>
    <message>
        <source>the office did not answer within %1 seconds and was ended</source>
        <translation>la suite ofimática no respondió en %1 segundos y se cerró</translation>
    </message>
    <message>
        <source> No new letter is started; those in progress end.</source>
        <translation> No se empieza ninguna carta nueva; las que están en curso terminan.</translation>
    </message>
    <message>
        <source>The letter template %1 holds none of the placeholders, such as [YourName] or [CompanyName], so none of the entries are in the letters. They are made all the same.</source>
        <translation>La plantilla de carta %1 no contiene ninguno de los marcadores, como [YourName] o [CompanyName], así que ninguno de los datos aparece en las cartas. Se crean de todos modos.</translation>
    </message>
    <message>
        <source>line %1: the office failed (%2); trying again on a fresh one</source>
        <translation>línea %1: la suite ofimática falló (%2); se vuelve a intentar con otra nueva</translation>
    </message>
    <message>
        <source>line %1: written %2</source>
        <translation>línea %1: escrito %2</translation>
    </message>
    <message>
        <source>line %1: skipped: %2 (--force replaces it)</source>
        <translation>línea %1: omitida: %2 (--force lo reemplaza)</translation>
    </message>
    <message>
        <source>Stopping: the letters in progress are finished, no new ones start.</source>
        <translation>Deteniendo: las cartas en curso se terminan, no se empiezan otras nuevas.</translation>
    </message>
    <message>
        <source>line %1: failed: no office could be started</source>
        <translation>línea %1: error: no se pudo iniciar ninguna suite ofimática</translation>
    </message>
    <message>
        <source>Stopped before the list was read: no letter written.</source>
        <translation>Detenido antes de leer la lista: no se escribió ninguna carta.</translation>
    </message>
    <message>
        <source>The letter template %1 %2</source>
        <translation>La plantilla de carta %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 written, %3 skipped, %4 failed</source>
        <translation>%1: %2 escritas, %3 omitidas, %4 con error</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Detenido. </translation>
    </message>
    <message>
        <source>, %1 not done</source>
        <translation>, %1 sin hacer</translation>
    </message>
    <message>
        <source>Stopped: the disk is full. </source>
        <translation>Detenido: el disco está lleno. </translation>
    </message>
    <message>
        <source>Cannot read the list: out of memory</source>
        <translation>No se puede leer la lista: memoria insuficiente</translation>
    </message>
    <message>
        <source>line %1: a quote is misplaced or never closed (a field that holds quotes must be quoted, with each quote doubled)</source>
        <translation>línea %1: unas comillas están mal colocadas o sin cerrar (un campo que contiene comillas debe ir entre comillas, con cada comilla duplicada)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a list</source>
        <translation>es una carpeta, no una lista</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>ocupa más de %1</translation>
    </message>
    <message>
        <source>it is not UTF-8 text (save it from the spreadsheet as &quot;CSV UTF-8&quot;)</source>
        <translation>no es texto UTF-8 (guárdela desde la hoja de cálculo como «CSV UTF-8»)</translation>
    </message>
    <message>
        <source>it has no header row naming the columns</source>
        <translation>no tiene una fila de encabezado que nombre las columnas</translation>
    </message>
    <message>
        <source>line %1: a column&apos;s name holds a NUL character (is it a text file?)</source>
        <translation>línea %1: el nombre de una columna contiene un carácter NUL (¿es un archivo de texto?)</translation>
    </message>
    <message>
        <source>(a column without a name)</source>
        <translation>(una columna sin nombre)</translation>
    </message>
    <message>
        <source>the row has %1 fields, the header has %2</source>
        <translation>la fila tiene %1 campos, el encabezado tiene %2</translation>
    </message>
    <message>
        <source>the field of column &quot;%1&quot; holds a NUL character (is the list a text file?)</source>
        <translation>el campo de la columna «%1» contiene un carácter NUL (¿es la lista un archivo de texto?)</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Column %1 fills the recipient&apos;s %2: its name does not say whose address it holds, and the list has no recipient&apos;s column of its own for it (--columns &quot;%3&quot; would make it yours).</source>
        <translation>La columna %1 rellena el campo %2 del destinatario: su nombre no dice de quién es la dirección, y la lista no tiene una columna propia del destinatario para él (--columns «%3» lo haría suyo).</translation>
    </message>
    <message>
        <source>Columns %1 fill the recipient&apos;s %2: their names do not say whose address they hold, and the list has no recipient&apos;s columns of its own for them (--columns &quot;%3&quot; would make one yours).</source>
        <translation>Las columnas %1 rellenan los campos %2 del destinatario: sus nombres no dicen de quién es la dirección, y la lista no tiene columnas propias del destinatario para ellos (--columns «%3» haría suya una de ellas).</translation>
    </message>
    <message>
        <source>Column %1 fills your own %2 in every letter, in place of what the window stores (--columns &quot;%3&quot; would make it the recipient&apos;s).</source>
        <translation>La columna %1 rellena su propio campo %2 en todas las cartas, en lugar de lo que guarda la ventana (--columns «%3» la haría del destinatario).</translation>
    </message>
    <message>
        <source>Columns %1 fill your own %2 in every letter, in place of what the window stores (--columns &quot;%3&quot; would make one the recipient&apos;s).</source>
        <translation>Las columnas %1 rellenan sus propios campos %2 en todas las cartas, en lugar de lo que guarda la ventana (--columns «%3» haría una de ellas del destinatario).</translation>
    </message>
    <message>
        <source>the name pattern has a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>el patrón de nombre tiene una «{» sin su «}»</translation>
    </message>
    <message>
        <source>the name pattern&apos;s {%1} names no placeholder</source>
        <translation>el {%1} del patrón de nombre no nombra ningún marcador</translation>
    </message>
    <message>
        <source>the name pattern&apos;s {%1} names no field of the letter and no column of the list</source>
        <translation>el {%1} del patrón de nombre no nombra ningún campo de la carta ni ninguna columna de la lista</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Carta %1</translation>
    </message>
    <message>
        <source>the list has no column that fills a placeholder</source>
        <translation>la lista no tiene ninguna columna que rellene un marcador</translation>
    </message>
    <message>
        <source>the list&apos;s columns: %1</source>
        <translation>las columnas de la lista: %1</translation>
    </message>
    <message>
        <source>--columns &quot;%1&quot;: neither the letter nor the name pattern uses [%2], so the column would fill nothing.</source>
        <translation>--columns «%1»: ni la carta ni el patrón de nombre usan [%2], así que la columna no rellenaría nada.</translation>
    </message>
    <message>
        <source>%1 would be empty in every letter: your own words use it, and no column of the list fills it (%2). Add the column, map one to it with --columns &quot;COLUMN=%3&quot;, or let it be empty with --allow-empty %3.</source>
        <translation>%1 quedaría vacío en todas las cartas: sus propias palabras lo usan y ninguna columna de la lista lo rellena (%2). Añada la columna, asígnele una con --columns «COLUMNA=%3» o déjelo vacío con --allow-empty %3.</translation>
    </message>
    <message>
        <source>%1 would be empty in every letter: your own words use them, and no column of the list fills them (%2). Add the columns, map them with --columns, or let them be empty with --allow-empty %3.</source>
        <translation>%1 quedarían vacíos en todas las cartas: sus propias palabras los usan y ninguna columna de la lista los rellena (%2). Añada las columnas, asígnelas con --columns o déjelos vacíos con --allow-empty %3.</translation>
    </message>
    <message>
        <source>The letter&apos;s %1 would stand as written in every letter: no column of the list fills it and nothing is stored for it (%2). Add the column, or let it be empty with --allow-empty %3.</source>
        <translation>El %1 de la carta quedaría tal cual en todas las cartas: ninguna columna de la lista lo rellena y no hay nada guardado para él (%2). Añada la columna o déjelo vacío con --allow-empty %3.</translation>
    </message>
    <message>
        <source>The letter&apos;s %1 would stand as written in every letter: no column of the list fills them and nothing is stored for them (%2). Add the columns, or let them be empty with --allow-empty %3.</source>
        <translation>Los %1 de la carta quedarían tal cual en todas las cartas: ninguna columna de la lista los rellena y no hay nada guardado para ellos (%2). Añada las columnas o déjelos vacíos con --allow-empty %3.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter: the list has no column for it and nothing is stored for it.</source>
        <translation>%1 quedará vacío en todas las cartas: la lista no tiene columna para él y no hay nada guardado para él.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter: the list has no column for them and nothing is stored for them.</source>
        <translation>%1 quedarán vacíos en todas las cartas: la lista no tiene columnas para ellos y no hay nada guardado para ellos.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter (--allow-empty): nothing fills it.</source>
        <translation>%1 quedará vacío en todas las cartas (--allow-empty): nada lo rellena.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter (--allow-empty): nothing fills them.</source>
        <translation>%1 quedarán vacíos en todas las cartas (--allow-empty): nada los rellena.</translation>
    </message>
    <message>
        <source>Column %1 fills nothing: the letter has no such placeholder and the name pattern does not use it.</source>
        <translation>La columna %1 no rellena nada: la carta no tiene ese marcador y el patrón de nombre no lo usa.</translation>
    </message>
    <message>
        <source>Columns %1 fill nothing: the letter has no such placeholders and the name pattern uses none of them.</source>
        <translation>Las columnas %1 no rellenan nada: la carta no tiene esos marcadores y el patrón de nombre no usa ninguno.</translation>
    </message>
    <message>
        <source>[%1] is &quot;%2&quot; in every letter, from More Fields, while the list&apos;s column %3 fills nothing (--columns &quot;%4=%1&quot; fills it from the list).</source>
        <translation>[%1] es «%2» en todas las cartas, de Más campos, mientras que la columna %3 de la lista no rellena nada (--columns «%4=%1» lo rellena desde la lista).</translation>
    </message>
    <message>
        <source>[%1] is &quot;%2&quot; in every letter, from More Fields, while the list&apos;s columns %3 fill nothing (--columns &quot;%4=%1&quot; fills it from one).</source>
        <translation>[%1] es «%2» en todas las cartas, de Más campos, mientras que las columnas %3 de la lista no rellenan nada (--columns «%4=%1» lo rellena desde una de ellas).</translation>
    </message>
    <message>
        <source>The list %1 %2.</source>
        <translation>La lista %1 %2.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>is an empty file, not a spreadsheet</source>
        <translation>es un archivo vacío, no una hoja de cálculo</translation>
    </message>
    <message>
        <source>Cannot write in the scratch folder %1: %2</source>
        <translation>No se puede escribir en la carpeta temporal %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the list %1: %2</source>
        <translation>No se puede leer la lista %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the list %1: the office did not write its sheet &quot;%2&quot; (%3)</source>
        <translation>No se puede leer la lista %1: la suite ofimática no escribió su hoja «%2» (%3)</translation>
    </message>
    <message>
        <source>[%1] has no value</source>
        <translation>[%1] no tiene valor</translation>
    </message>
    <message>
        <source>[%1] is empty</source>
        <translation>[%1] está vacío</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and %2 more words may be misspelled</source>
        <translation>«%1» y %2 palabras más pueden estar mal escritas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; may be misspelled</source>
        <translation>«%1» puede estar mal escrita</translation>
    </message>
    <message>
        <source>the letter&apos;s body is still the sample text</source>
        <translation>el cuerpo de la carta sigue siendo el texto de ejemplo</translation>
    </message>
    <message>
        <source>Your Name is empty</source>
        <translation>Su nombre está vacío</translation>
    </message>
    <message>
        <source>Recipient Company Name is empty</source>
        <translation>La empresa del destinatario está vacía</translation>
    </message>
    <message>
        <source>The built-in letter template is missing from the program</source>
        <translation>Falta en el programa la plantilla de carta integrada</translation>
    </message>
    <message>
        <source>No letter was made. Put the file right, choose another one with Letter &gt; Use My Own Template…, or go back to Letter &gt; Built-in Letter.</source>
        <translation>No se creó ninguna carta. Corrija el archivo, elija otro con Carta &gt; Usar mi propia plantilla… o vuelva a Carta &gt; Carta integrada.</translation>
    </message>
    <message>
        <source>Your letter template %1 %2

%3</source>
        <translation>Su plantilla de carta %1 %2

%3</translation>
    </message>
    <message>
        <source>Letter templates (*.doc *.docx *.dot *.dotx *.odt *.ott *.rtf)</source>
        <translation>Plantillas de carta (*.doc *.docx *.dot *.dotx *.odt *.ott *.rtf)</translation>
    </message>
    <message>
        <source>Word documents and templates (*.doc *.docx *.dot *.dotx)</source>
        <translation>Documentos y plantillas de Word (*.doc *.docx *.dot *.dotx)</translation>
    </message>
    <message>
        <source>OpenDocument texts and templates (*.odt *.ott)</source>
        <translation>Textos y plantillas OpenDocument (*.odt *.ott)</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Formato de texto enriquecido (*.rtf)</translation>
    </message>
    <message>
        <source>is gone: it may have been moved, renamed or deleted.</source>
        <translation>ya no está: puede que se haya movido, cambiado de nombre o eliminado.</translation>
    </message>
    <message>
        <source>: no letter template is that large.</source>
        <translation>: ninguna plantilla de carta es tan grande.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>no se puede leer: %1.</translation>
    </message>
    <message>
        <source>is an empty file, not a document.</source>
        <translation>es un archivo vacío, no un documento.</translation>
    </message>
    <message>
        <source>Cannot replace the old template copy %1</source>
        <translation>No se puede reemplazar la copia anterior de la plantilla %1</translation>
    </message>
    <message>
        <source>is protected by a password. Save a copy of it without the password and choose that one.</source>
        <translation>está protegida con contraseña. Guarde una copia sin contraseña y elija esa.</translation>
    </message>
    <message>
        <source>is not a document the word processor can open. Letter templates are Word (.doc, .docx, .dot, .dotx), OpenDocument (.odt, .ott) or RTF files.</source>
        <translation>no es un documento que el procesador de textos pueda abrir. Las plantillas de carta son archivos de Word (.doc, .docx, .dot, .dotx), OpenDocument (.odt, .ott) o RTF.</translation>
    </message>
    <message>
        <source>is too large or too slow to open: the word processor did not finish reading it within %1 seconds.</source>
        <translation>es demasiado grande o lenta de abrir: el procesador de textos no terminó de leerla en %1 segundos.</translation>
    </message>
    <message>
        <source>is too large or too complex to fill in (tables nested very deep, say): the word processor did not finish within %1 seconds.</source>
        <translation>es demasiado grande o compleja para rellenarla (tablas anidadas a mucha profundidad, por ejemplo): el procesador de textos no terminó en %1 segundos.</translation>
    </message>
    <message>
        <source>Your letter template %1 holds none of the placeholders, such as [YourName] or [CompanyName], so none of your entries are in the letter. It was made all the same.

Help &gt; Placeholders… lists them all.</source>
        <translation>Su plantilla de carta %1 no contiene ninguno de los marcadores, como [YourName] o [CompanyName], así que ninguno de sus datos aparece en la carta. Se ha creado de todos modos.

Ayuda &gt; Marcadores… los enumera todos.</translation>
    </message>
    <message>
        <source>Your letter text %1 cannot be read: %2.

The letter has the built-in text instead. Letter &gt; Edit Letter Text… writes your text anew.</source>
        <translation>No se puede leer el texto de su carta %1: %2.

La carta lleva el texto integrado en su lugar. Carta &gt; Editar el texto de la carta… vuelve a escribir su texto.</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>es un enlace a un archivo que no existe</translation>
    </message>
    <message>
        <source>it %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>Cannot write %1: its folder cannot be made</source>
        <translation>No se puede escribir %1: no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>Cannot write %1: the picture cannot be encoded</source>
        <translation>No se puede escribir %1: no se puede codificar la imagen</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>Spelling is not checked: no %1 dictionary is installed (the package %2 has one).</source>
        <translation>No se revisa la ortografía: no hay ningún diccionario de %1 instalado (el paquete %2 contiene uno).</translation>
    </message>
    <message>
        <source>Cannot add “%1” to your word list %2: %3.</source>
        <translation>No se puede añadir «%1» a su lista de palabras %2: %3.</translation>
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
        <translation>No hay ningún documento abierto en la suite ofimática</translation>
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
        <translation>No se puede abrir %1: no existe el archivo</translation>
    </message>
    <message>
        <source>Cannot open %1: it is protected by a password</source>
        <translation>No se puede abrir %1: está protegido con contraseña</translation>
    </message>
    <message>
        <source>Cannot open %1: the office cannot read it</source>
        <translation>No se puede abrir %1: la suite ofimática no puede leerlo</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Open %1</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not a text document</source>
        <translation>No se puede abrir %1: no es un documento de texto</translation>
    </message>
    <message>
        <source>ReplaceBody</source>
        <translation>ReplaceBody</translation>
    </message>
    <message>
        <source>The letter has no body between a greeting and a closing</source>
        <translation>La carta no tiene cuerpo entre un saludo y una despedida</translation>
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
        <translation>La forma no contiene texto</translation>
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
        <translation>La suite ofimática no puede continuar: el documento está cerrado</translation>
    </message>
    <message>
        <source>The office cannot go on: it has been ended</source>
        <translation>La suite ofimática no puede continuar: se ha cerrado</translation>
    </message>
    <message>
        <source>The letter has no page %1</source>
        <translation>La carta no tiene página %1</translation>
    </message>
    <message>
        <source>The office made no picture of page %1</source>
        <translation>La suite ofimática no generó ninguna imagen de la página %1</translation>
    </message>
    <message>
        <source>The template must be opened afresh before it is filled again</source>
        <translation>La plantilla debe volver a abrirse antes de rellenarla de nuevo</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Wildcards, sounds-like and word-form matching are not available in a search</source>
        <translation>Los comodines, la búsqueda por sonido y la de formas de palabra no están disponibles en una búsqueda</translation>
    </message>
    <message>
        <source>has no sheet named &quot;%1&quot;; its sheets are %2</source>
        <translation>no tiene ninguna hoja llamada «%1»; sus hojas son %2</translation>
    </message>
    <message>
        <source>has nothing in sheet &quot;%1&quot;</source>
        <translation>no tiene nada en la hoja «%1»</translation>
    </message>
    <message>
        <source>has an empty first row in sheet &quot;%1&quot;: the first row must name the columns</source>
        <translation>tiene la primera fila vacía en la hoja «%1»: la primera fila debe nombrar las columnas</translation>
    </message>
    <message>
        <source>has merged cells (%1) in the first row of sheet &quot;%2&quot;: each column needs its name in a cell of its own</source>
        <translation>tiene celdas combinadas (%1) en la primera fila de la hoja «%2»: cada columna necesita su nombre en una celda propia</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Sheet as CSV %1</source>
        <translation>Sheet as CSV %1</translation>
    </message>
    <message>
        <source>is protected by a password; save it without one first</source>
        <translation>está protegida con contraseña; guárdela primero sin ella</translation>
    </message>
    <message>
        <source>cannot be read as a spreadsheet: it may be damaged, or another kind of file</source>
        <translation>no se puede leer como hoja de cálculo: puede estar dañada o ser otro tipo de archivo</translation>
    </message>
    <message>
        <source>is not a spreadsheet (the office reads it as another kind of document)</source>
        <translation>no es una hoja de cálculo (la suite ofimática la lee como otro tipo de documento)</translation>
    </message>
    <message>
        <source>The office did not write the sheet &quot;%1&quot; as CSV</source>
        <translation>La suite ofimática no escribió la hoja «%1» como CSV</translation>
    </message>
    <message>
        <source>%1 is not a valid path</source>
        <translation>%1 no es una ruta válida</translation>
    </message>
    <message>
        <source>The office could not be started: %1</source>
        <translation>No se pudo iniciar la suite ofimática: %1</translation>
    </message>
    <message>
        <source>The office did not answer within %1 seconds and has been stopped</source>
        <translation>La suite ofimática no respondió en %1 segundos y se ha detenido</translation>
    </message>
    <message>
        <source>Cannot connect to the office: %1</source>
        <translation>No se puede conectar con la suite ofimática: %1</translation>
    </message>
    <message>
        <source>The office did not answer within %1 seconds</source>
        <translation>La suite ofimática no respondió en %1 segundos</translation>
    </message>
    <message>
        <source>The office runs without its jail on this computer (bubblewrap is missing or not allowed): only its settings keep a template&apos;s links from your files and the network. Installing bubblewrap (package &quot;bubblewrap&quot;) puts it in its jail.</source>
        <translation>La suite ofimática funciona sin su entorno aislado en este equipo (falta bubblewrap o no está permitido): solo su configuración impide que los enlaces de una plantilla lleguen a sus archivos y a la red. Al instalar bubblewrap (paquete «bubblewrap») se ejecuta en su entorno aislado.</translation>
    </message>
    <message>
        <source>No letter is made: the office cannot run in its jail on this computer (bubblewrap is missing or not allowed), and RequireJail asks for it. Install bubblewrap (package &quot;bubblewrap&quot;), or set RequireJail=false to let the office run without it.</source>
        <translation>No se crea ninguna carta: la suite ofimática no puede funcionar en su entorno aislado en este equipo (falta bubblewrap o no está permitido) y RequireJail lo exige. Instale bubblewrap (paquete «bubblewrap») o ponga RequireJail=false para que funcione sin él.</translation>
    </message>
    <message>
        <source>The office did not start within %1 seconds and has been stopped</source>
        <translation>La suite ofimática no se inició en %1 segundos y se ha detenido</translation>
    </message>
    <message>
        <source>The office was not needed any more</source>
        <translation>La suite ofimática ya no era necesaria</translation>
    </message>
    <message>
        <source>No LibreOffice installation was found.</source>
        <translation>No se encontró ninguna instalación de LibreOffice.</translation>
    </message>
    <message>
        <source>the office program could not be run: %1</source>
        <translation>no se pudo ejecutar el programa de la suite ofimática: %1</translation>
    </message>
    <message>
        <source>the office process crashed</source>
        <translation>el proceso de la suite ofimática se bloqueó</translation>
    </message>
    <message>
        <source>the office process ended with code %1</source>
        <translation>el proceso de la suite ofimática terminó con el código %1</translation>
    </message>
    <message>
        <source>Cannot create a profile folder for the office: %1</source>
        <translation>No se puede crear una carpeta de perfil para la suite ofimática: %1</translation>
    </message>
    <message>
        <source>Cannot reach the office&apos;s connection in %1</source>
        <translation>No se puede alcanzar la conexión de la suite ofimática en %1</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>No se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the office&apos;s settings folder %1</source>
        <translation>No se puede crear la carpeta de configuración de la suite ofimática %1</translation>
    </message>
    <message>
        <source>The office is no longer running</source>
        <translation>La suite ofimática ya no está en ejecución</translation>
    </message>
    <message>
        <source>it gave no reason</source>
        <translation>no dio ningún motivo</translation>
    </message>
    <message>
        <source>The office could not go on: %1</source>
        <translation>La suite ofimática no pudo continuar: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export as Word 97-2003 (.doc)</source>
        <translation>Exportar como Word 97-2003 (.doc)</translation>
    </message>
    <message>
        <source>Export as Word 2007-365 (.docx)</source>
        <translation>Exportar como Word 2007-365 (.docx)</translation>
    </message>
    <message>
        <source>Export as OpenDocument (.odt)</source>
        <translation>Exportar como OpenDocument (.odt)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>¿Seguro que desea sobrescribir %1?</translation>
    </message>
    <message>
        <source>Exporting the letter to %1…</source>
        <translation>Exportando la carta a %1…</translation>
    </message>
    <message>
        <source>The letter could not be exported to %1.</source>
        <translation>No se pudo exportar la carta a %1.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Printing the letter…</source>
        <translation>Imprimiendo la carta…</translation>
    </message>
    <message>
        <source>The letter could not be printed.</source>
        <translation>No se pudo imprimir la carta.</translation>
    </message>
    <message>
        <source>Printing the letter to %1…</source>
        <translation>Imprimiendo la carta en %1…</translation>
    </message>
    <message>
        <source>The letter could not be printed to %1.</source>
        <translation>No se pudo imprimir la carta en %1.</translation>
    </message>
    <message>
        <source>The office wrote no complete %1 file</source>
        <translation>La suite ofimática no escribió ningún archivo %1 completo</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Archivos de Word (*.doc)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Scrolls where the screen is too small for the window</source>
        <translation>Se desplaza donde la pantalla es demasiado pequeña para la ventana</translation>
    </message>
    <message>
        <source>Contents, up and down</source>
        <translation>Contenido, arriba y abajo</translation>
    </message>
    <message>
        <source>Scrolls the window&apos;s contents up and down</source>
        <translation>Desplaza el contenido de la ventana arriba y abajo</translation>
    </message>
    <message>
        <source>Contents, sideways</source>
        <translation>Contenido, a los lados</translation>
    </message>
    <message>
        <source>Scrolls the window&apos;s contents sideways</source>
        <translation>Desplaza el contenido de la ventana a los lados</translation>
    </message>
    <message>
        <source>The application icon is missing from the program</source>
        <translation>Falta en el programa el icono de la aplicación</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>No se puede cargar %1: %2</translation>
    </message>
    <message>
        <source>Cannot load %1: not a cursor file</source>
        <translation>No se puede cargar %1: no es un archivo de cursor</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>your City</source>
        <translation>su ciudad</translation>
    </message>
    <message>
        <source>the recipient&apos;s Zip Code</source>
        <translation>el código postal del destinatario</translation>
    </message>
    <message>
        <source>the recipient&apos;s State</source>
        <translation>el estado del destinatario</translation>
    </message>
    <message>
        <source>the recipient&apos;s Street Address</source>
        <translation>la dirección del destinatario</translation>
    </message>
    <message>
        <source>the recipient&apos;s City</source>
        <translation>la ciudad del destinatario</translation>
    </message>
    <message>
        <source>your Street Address</source>
        <translation>su dirección</translation>
    </message>
    <message>
        <source>the Recipient Name</source>
        <translation>el nombre del destinatario</translation>
    </message>
    <message>
        <source>your State</source>
        <translation>su estado</translation>
    </message>
    <message>
        <source>your Zip Code</source>
        <translation>su código postal</translation>
    </message>
    <message>
        <source>the recipient&apos;s Title</source>
        <translation>el cargo del destinatario</translation>
    </message>
    <message>
        <source>the Company Name</source>
        <translation>el nombre de la empresa</translation>
    </message>
    <message>
        <source>the date of the letter, such as &quot;March 3, 2026&quot;</source>
        <translation>la fecha de la carta, como «3 de marzo de 2026»</translation>
    </message>
    <message>
        <source>Your Phone, set in Letter &gt; Edit Letter Text…</source>
        <translation>Su teléfono, indicado en Carta &gt; Editar el texto de la carta…</translation>
    </message>
    <message>
        <source>Your E-mail, set in Letter &gt; Edit Letter Text…</source>
        <translation>Su correo electrónico, indicado en Carta &gt; Editar el texto de la carta…</translation>
    </message>
    <message>
        <source>Your Country, set in Letter &gt; Edit Letter Text…</source>
        <translation>Su país, indicado en Carta &gt; Editar el texto de la carta…</translation>
    </message>
    <message>
        <source>The Recipient&apos;s Country, set in Letter &gt; Edit Letter Text…</source>
        <translation>El país del destinatario, indicado en Carta &gt; Editar el texto de la carta…</translation>
    </message>
    <message>
        <source>A letter template holds placeholders, which are filled with your entries:</source>
        <translation>Una plantilla de carta contiene marcadores, que se rellenan con sus datos:</translation>
    </message>
    <message>
        <source>&lt;p&gt;A placeholder is the name in square brackets, as listed, in any letter case: [yourname] and [YOURNAME] are filled too. It is filled wherever it stands: in the body, headers, footers, tables and text boxes, even when part of it is formatted differently. Each placeholder ends with its bracket, so [City] never matches inside [City2]. An empty field leaves its placeholder empty; text around it stays as you wrote it. An empty Recipient Name is filled as &quot;Hiring Manager&quot; (in a French, German, Spanish or Japanese letter, that language&apos;s words), so the letter reads &quot;Dear Hiring Manager:&quot;.&lt;/p&gt;&lt;p&gt;In a list of letters (tessaline --batch), a column of any other name fills the placeholder of that name: a column &quot;Position&quot; fills [Position]. In the window, Letter &amp;gt; More Fields… gives such a placeholder its value.&lt;/p&gt;&lt;p&gt;To put the built-in letter in your own words, choose Letter &amp;gt; Edit Letter Text…; placeholders work there too. For a letter laid out your own way, choose Letter &amp;gt; Save Built-in Letter As…, change the text around the placeholders in your word processor, and choose the file with Letter &amp;gt; Use My Own Template….&lt;/p&gt;</source>
        <translation>&lt;p&gt;Un marcador es el nombre entre corchetes, tal como aparece en la lista, en mayúsculas o minúsculas: [yourname] y [YOURNAME] también se rellenan. Se rellena dondequiera que esté: en el cuerpo, los encabezados, los pies de página, las tablas y los cuadros de texto, aunque parte de él tenga otro formato. Cada marcador termina con su corchete, así que [City] nunca coincide dentro de [City2]. Un campo vacío deja vacío su marcador; el texto que lo rodea queda como lo escribió. Un nombre de destinatario vacío se rellena como «Hiring Manager» (en una carta en francés, alemán, español o japonés, con las palabras de ese idioma), de modo que la carta dice «Dear Hiring Manager:».&lt;/p&gt;&lt;p&gt;En una lista de cartas (tessaline --batch), una columna con cualquier otro nombre rellena el marcador de ese nombre: una columna «Position» rellena [Position]. En la ventana, Carta &amp;gt; Más campos… da su valor a un marcador así.&lt;/p&gt;&lt;p&gt;Para escribir la carta integrada con sus propias palabras, elija Carta &amp;gt; Editar el texto de la carta…; allí también funcionan los marcadores. Para una carta con su propio diseño, elija Carta &amp;gt; Guardar la carta integrada como…, cambie el texto alrededor de los marcadores en su procesador de textos y elija el archivo con Carta &amp;gt; Usar mi propia plantilla….&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LibreOffice (its version is still being asked)</source>
        <translation>LibreOffice (aún se está consultando su versión)</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>no se encontró ninguno</translation>
    </message>
    <message>
        <source>%1 %2
Cover letters from twelve short fields.

Word processor: %3
Settings: %4
Scratch files: %5</source>
        <translation>%1 %2
Cartas de presentación a partir de doce campos breves.

Procesador de textos: %3
Configuración: %4
Archivos temporales: %5</translation>
    </message>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>Error 842001. No se pudo crear una instancia normal de Word.</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. Asegúrese de que Word está instalado en este equipo.</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Abra Word normalmente y asegúrese de que se abre enseguida un documento en blanco sin ninguna ventana que lo interrumpa (como una ventana de recuperación de archivos de Word).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. Asegúrese de que al hacer doble clic en un archivo DOC o DOCX Word se abre normalmente, sin ningún mensaje que lo interrumpa.</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. Este programa admite todas las versiones de Word excepto las poco comunes ediciones Word Starter y Estudiante.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>The skin component has no member %1</source>
        <translation>El componente de aspecto no tiene ningún miembro %1</translation>
    </message>
    <message>
        <source>LoadSkin needs the skin file&apos;s path</source>
        <translation>LoadSkin necesita la ruta del archivo de aspecto</translation>
    </message>
    <message>
        <source>The skin is locked: it has been applied already</source>
        <translation>El aspecto está bloqueado: ya se aplicó</translation>
    </message>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>No se puede cargar el aspecto %1: %2</translation>
    </message>
    <message>
        <source>ApplyWindow needs a window handle</source>
        <translation>ApplyWindow necesita un identificador de ventana</translation>
    </message>
    <message>
        <source>ApplyWindow: no window has the handle %1</source>
        <translation>ApplyWindow: ninguna ventana tiene el identificador %1</translation>
    </message>
    <message>
        <source>%1 letters/s</source>
        <translation>%1 cartas/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already exists; --force replaces it.</source>
        <translation>%1 ya existe; --force lo reemplaza.</translation>
    </message>
    <message>
        <source>%1 is not written: the run stopped.</source>
        <translation>%1 no se escribe: la ejecución se detuvo.</translation>
    </message>
    <message>
        <source>%1 is not written: no letter was made.</source>
        <translation>%1 no se escribe: no se creó ninguna carta.</translation>
    </message>
    <message>
        <source>%1 is not written: no office is left to write it.</source>
        <translation>%1 no se escribe: no queda ninguna suite ofimática para escribirlo.</translation>
    </message>
    <message>
        <source>%1 is not written: %2</source>
        <translation>%1 no se escribe: %2</translation>
    </message>
    <message>
        <source>Written %1.</source>
        <translation>Escrito %1.</translation>
    </message>
    <message>
        <source>Written %1, without the rows that made no letter (list lines: %2).</source>
        <translation>Escrito %1, sin las filas que no dieron ninguna carta (líneas de la lista: %2).</translation>
    </message>
    <message>
        <source>it appeared while the run wrote it, and is kept (--force replaces it)</source>
        <translation>apareció un archivo con ese nombre mientras la ejecución lo escribía y se conserva (--force lo reemplaza)</translation>
    </message>
    <message>
        <source>into %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Recipient</source>
        <translation>Destinatario</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>impresa</translation>
    </message>
    <message>
        <source>The record of letters cannot be read: %1.</source>
        <translation>No se puede leer el registro de cartas: %1.</translation>
    </message>
    <message>
        <source>No letter is in the record yet.</source>
        <translation>El registro aún no contiene ninguna carta.</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 lo está usando otro programa</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a record of letters</source>
        <translation>%1 está dañado o no es un registro de cartas</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full (%2)</source>
        <translation>el disco que contiene %1 está lleno (%2)</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation>el disco que contiene %1 está lleno</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>The letter was written, but the record of letters could not be kept: %1.</source>
        <translation>La carta se escribió, pero no se pudo anotar en el registro de cartas: %1.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing</source>
        <translation>falta el controlador SQLite de Qt</translation>
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
        <translation>No se pudo escribir la carta para el correo electrónico.</translation>
    </message>
    <message>
        <source>Writing the letter for the e-mail…</source>
        <translation>Escribiendo la carta para el correo electrónico…</translation>
    </message>
    <message>
        <source>What the question is about</source>
        <translation>De qué trata la pregunta</translation>
    </message>
    <message>
        <source>%1 names, for a picture, what is not one (%2): the letter is made without it.</source>
        <translation>%1 indica como imagen algo que no lo es (%2): la carta se crea sin ella.</translation>
    </message>
    <message>
        <source>The signature picture %1 does not exist.</source>
        <translation>La imagen de la firma %1 no existe.</translation>
    </message>
    <message>
        <source>The signature picture %1 is not a file.</source>
        <translation>La imagen de la firma %1 no es un archivo.</translation>
    </message>
    <message>
        <source>The signature picture %1 is larger than %2 MB; save it smaller and choose it again.</source>
        <translation>La imagen de la firma %1 ocupa más de %2 MB; guarde una versión más pequeña y vuelva a elegirla.</translation>
    </message>
    <message>
        <source>The signature picture %1 cannot be read.</source>
        <translation>No se puede leer la imagen de la firma %1.</translation>
    </message>
    <message>
        <source>The signature picture %1 is not a PNG, JPEG or SVG picture.</source>
        <translation>La imagen de la firma %1 no es una imagen PNG, JPEG ni SVG.</translation>
    </message>
    <message>
        <source>Cannot copy the signature picture %1 to the temporary folder</source>
        <translation>No se puede copiar la imagen de la firma %1 a la carpeta temporal</translation>
    </message>
    <message>
        <source>PlacePicture</source>
        <translation>PlacePicture</translation>
    </message>
    <message>
        <source>The office cannot tell the size of the picture</source>
        <translation>La suite ofimática no puede determinar el tamaño de la imagen</translation>
    </message>
    <message>
        <source>PlacePicture %1</source>
        <translation>PlacePicture %1</translation>
    </message>
    <message>
        <source>The office cannot read the picture %1</source>
        <translation>La suite ofimática no puede leer la imagen %1</translation>
    </message>
    <message>
        <source>Your signature picture, chosen in Letter &gt; Edit Letter Text… (else nothing)</source>
        <translation>La imagen de su firma, elegida en Carta &gt; Editar el texto de la carta… (si no, nada)</translation>
    </message>
    <message>
        <source>--design: the template %1 keeps its own looks.</source>
        <translation>--design: la plantilla %1 conserva su propio aspecto.</translation>
    </message>
    <message>
        <source>Your Web Page, set in Letter &gt; Edit Letter Text…</source>
        <translation>Su página web, indicada en Carta &gt; Editar el texto de la carta…</translation>
    </message>
</context>
<context>
    <name>ScreenFit</name>
    <message>
        <source>Window Contents</source>
        <translation>Contenido de la ventana</translation>
    </message>
    <message>
        <source>The window&apos;s controls, which scroll where the screen is too small</source>
        <translation>Los controles de la ventana, que se desplazan donde la pantalla es demasiado pequeña</translation>
    </message>
    <message>
        <source>Window Vertical Scroll</source>
        <translation>Desplazamiento vertical de la ventana</translation>
    </message>
    <message>
        <source>Moves the window&apos;s controls up and down</source>
        <translation>Mueve los controles de la ventana arriba y abajo</translation>
    </message>
    <message>
        <source>Window Horizontal Scroll</source>
        <translation>Desplazamiento horizontal de la ventana</translation>
    </message>
    <message>
        <source>Moves the window&apos;s controls left and right</source>
        <translation>Mueve los controles de la ventana a izquierda y derecha</translation>
    </message>
</context>
<context>
    <name>StatusDelegate</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
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
        <translation>Escribe cartas de presentación. Sin opciones abre la ventana; con --batch escribe, sin ventana, una carta por cada fila de una lista (CSV, o la primera hoja de un archivo .xlsx u .ods).

La primera fila de la lista nombra las columnas por marcador, con o sin corchetes, sin distinguir mayúsculas, espacios, guiones bajos ni guiones («Company Name» rellena [CompanyName]): YourName, StreetAddress, City, ST, ZIPCode, RecipientName, Title, CompanyName, StreetAddress2, City2, ST2, ZIPCode2, CurrentDate, Phone, Email; o por los nombres que se suelen dar a esas columnas, en inglés, francés, alemán, español o japonés (abajo); una columna con cualquier otro nombre rellena el marcador de ese nombre ([Position] a partir de una columna Position), y --columns asigna cualquier columna a mano. Una columna de dirección cuyo nombre no dice de quién es la dirección («City», «PLZ») es del destinatario, salvo que la lista tenga también la columna propia del destinatario («City2»); una línea lo indica antes de la primera carta, y otra cuando hay columnas que rellenan sus propios campos en lugar de lo que guarda la ventana. Sus campos se separan con comas, puntos y comas o tabuladores, lo que más haya en su primera fila. Sus propios campos (YourName, StreetAddress, City, ST, ZIPCode), Phone, Email y los valores de Más campos, cuando la lista no tiene columna para ellos, se toman de la configuración de la ventana; un campo del destinatario sin columna en la lista queda vacío. Sin columna CurrentDate, la fecha es la de hoy. Una fila con todos los campos vacíos se omite; una fila cuyo nombre de archivo quedaría vacío se llama «Letter» más su número de línea.

Antes de la primera carta, el lote revisa la carta: un marcador que nada rellena lo detiene, indicando el marcador y las columnas de la lista, y lo mismo uno de los doce campos que usan sus propias palabras (el texto de la carta, el saludo, la despedida, la línea de anexos o su plantilla) y que quedaría vacío en todas las cartas, salvo que --allow-empty permita dejarlo vacío; se indican los marcadores vacíos en todas las cartas, las columnas que no rellenan nada, un valor de Más campos que rellena un marcador en todas las cartas mientras una columna no rellena nada, y las palabras del texto de su carta que pueden estar mal escritas.

Los nombres de columna que reconoce:
%1

El resumen va a la salida estándar; el progreso y el informe de cada fila, a la salida de error estándar.

Estado de salida: 0 si no falló ninguna fila (una fila omitida porque su carta ya existe cuenta como hecha), 1 si falló alguna fila (o --strict encontró una advertencia), 2 si la línea de órdenes, la lista o la plantilla no son válidas o hay un marcador que nada rellena, 130 si se interrumpió.</translation>
    </message>
    <message>
        <source>Write one letter per row of &lt;list&gt;: a CSV file, or an .xlsx or .ods spreadsheet.</source>
        <translation>Escribir una carta por cada fila de &lt;list&gt;: un archivo CSV, o una hoja de cálculo .xlsx u .ods.</translation>
    </message>
    <message>
        <source>Write the letters into &lt;folder&gt; (made when missing).</source>
        <translation>Escribir las cartas en &lt;folder&gt; (se crea si no existe).</translation>
    </message>
    <message>
        <source>Fill &lt;file&gt; rather than the template chosen in the window (or the built-in one).</source>
        <translation>Rellenar &lt;file&gt; en lugar de la plantilla elegida en la ventana (o de la integrada).</translation>
    </message>
    <message>
        <source>Write each letter as &lt;format&gt;: %1 (default doc; give it more than once for several).</source>
        <translation>Escribir cada carta en formato &lt;format&gt;: %1 (doc por omisión; indíquelo varias veces para varios).</translation>
    </message>
    <message>
        <source>Name each file after &lt;pattern&gt; (default &quot;%1&quot;); characters that cannot stand in a file name become &quot;_&quot;.</source>
        <translation>Nombrar cada archivo según &lt;pattern&gt; (por omisión «%1»); los caracteres que no pueden ir en un nombre de archivo se convierten en «_».</translation>
    </message>
    <message>
        <source>Run &lt;n&gt; office processes at once (default: one, and one more per %1 letters up to the number of cores, %2 here).</source>
        <translation>Ejecutar &lt;n&gt; procesos de la suite ofimática a la vez (por omisión: uno, y uno más por cada %1 cartas hasta el número de núcleos, %2 aquí).</translation>
    </message>
    <message>
        <source>Replace existing files, keeping their permissions (a read-only file is never replaced); without it an existing file is never touched and its row is reported as skipped.</source>
        <translation>Reemplazar los archivos existentes, conservando sus permisos (un archivo de solo lectura nunca se reemplaza); sin esta opción, un archivo existente nunca se toca y su fila se indica como omitida.</translation>
    </message>
    <message>
        <source>The list&apos;s fields are separated by &lt;separator&gt;: &quot;,&quot;, &quot;;&quot; or &quot;tab&quot; (default: the one its first row holds most, else a comma).</source>
        <translation>Los campos de la lista se separan con &lt;separator&gt;: «,», «;» o «tab» (por omisión: el que más haya en su primera fila, o si no una coma).</translation>
    </message>
    <message>
        <source>Let the placeholders &lt;names&gt; (separated by commas, or &quot;all&quot;) be empty in the letters when nothing fills them, rather than stop.</source>
        <translation>Dejar vacíos en las cartas los marcadores &lt;names&gt; (separados por comas, o «all») cuando nada los rellena, en lugar de detenerse.</translation>
    </message>
    <message>
        <source>Stop before the first letter, with status 1, when the checks warn (a word that may be misspelled, a column that fills nothing, a placeholder let empty).</source>
        <translation>Detenerse antes de la primera carta, con el estado 1, cuando las revisiones adviertan algo (una palabra que puede estar mal escrita, una columna que no rellena nada, un marcador que se deja vacío).</translation>
    </message>
    <message>
        <source>Map the list&apos;s columns to placeholders by hand: &lt;map&gt; is &quot;COLUMN=PLACEHOLDER&quot; pairs separated by commas (&quot;Where I saw it=Source,Company=CompanyName&quot;). A placeholder the letter does not use is an error.</source>
        <translation>Asignar a mano las columnas de la lista a los marcadores: &lt;map&gt; son pares «COLUMNA=MARCADOR» separados por comas («Dónde lo vi=Source,Empresa=CompanyName»). Un marcador que la carta no usa es un error.</translation>
    </message>
    <message>
        <source>Write nothing: print every column and what it fills, what comes from the settings and from More Fields, every warning, and the first row&apos;s letter as text; exit as the run would.</source>
        <translation>No escribir nada: mostrar cada columna y lo que rellena, lo que viene de la configuración y de Más campos, cada advertencia y la carta de la primera fila como texto; terminar como lo haría la ejecución.</translation>
    </message>
    <message>
        <source>Read the sheet &lt;name&gt; of an .xlsx or .ods list (default: the first).</source>
        <translation>Leer la hoja &lt;name&gt; de una lista .xlsx u .ods (por omisión: la primera).</translation>
    </message>
    <message>
        <source>Stop, with status 2, when the offices cannot run in their jail (bubblewrap), as the setting RequireJail=true does.</source>
        <translation>Detenerse, con el estado 2, cuando las suites ofimáticas no puedan funcionar en su entorno aislado (bubblewrap), como hace la opción RequireJail=true.</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on &lt;paper&gt;: a4 or letter (default: the one chosen in the window, else your locale&apos;s). A template of your own keeps its own paper.</source>
        <translation>Componer la carta integrada en papel &lt;paper&gt;: a4 o letter (por omisión: el elegido en la ventana, o si no el de su configuración regional). Una plantilla propia conserva su propio papel.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Pruebe «%1 --help» para obtener más información.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Qt&apos;s options for the window: %1</source>
        <translation>Opciones de Qt para la ventana: %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--%1 works only with --batch</source>
        <translation>--%1 solo funciona con --batch</translation>
    </message>
    <message>
        <source>--out &lt;folder&gt; is missing</source>
        <translation>falta --out &lt;folder&gt;</translation>
    </message>
    <message>
        <source>--format: unknown format &quot;%1&quot; (known: %2)</source>
        <translation>--format: formato desconocido «%1» (conocidos: %2)</translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation>--jobs: «%1» no es un número del 1 al %2</translation>
    </message>
    <message>
        <source>--separator: &quot;%1&quot; is none of &quot;,&quot;, &quot;;&quot; and &quot;tab&quot;</source>
        <translation>--separator: «%1» no es «,», «;» ni «tab»</translation>
    </message>
    <message>
        <source>--allow-empty: no placeholder named</source>
        <translation>--allow-empty: no se indicó ningún marcador</translation>
    </message>
    <message>
        <source>--paper: &quot;%1&quot; is neither &quot;a4&quot; nor &quot;letter&quot;</source>
        <translation>--paper: «%1» no es «a4» ni «letter»</translation>
    </message>
    <message>
        <source>Keep no record of the letters written (as the setting KeepRecord=false does).</source>
        <translation>No llevar registro de las cartas escritas (como hace la opción KeepRecord=false).</translation>
    </message>
    <message>
        <source>Print the record of the letters written, oldest first, and exit.</source>
        <translation>Mostrar el registro de las cartas escritas, de la más antigua a la más reciente, y salir.</translation>
    </message>
    <message>
        <source>With --letters: print the record as CSV.</source>
        <translation>Con --letters: mostrar el registro en formato CSV.</translation>
    </message>
    <message>
        <source>Also write every letter, in the list&apos;s order and each from a new page, into the one PDF &lt;file&gt;; without --out, only that file is written.</source>
        <translation>Escribir además todas las cartas, en el orden de la lista y cada una desde una página nueva, en un único PDF, &lt;file&gt;; sin --out, solo se escribe ese archivo.</translation>
    </message>
    <message>
        <source>--csv works only with --letters</source>
        <translation>--csv solo funciona con --letters</translation>
    </message>
    <message>
        <source>--letters takes no other option than --csv</source>
        <translation>--letters no admite otra opción que --csv</translation>
    </message>
    <message>
        <source>--combined: &quot;%1&quot; is not a .pdf file name</source>
        <translation>--combined: «%1» no es un nombre de archivo .pdf</translation>
    </message>
    <message>
        <source>--format works only with --out</source>
        <translation>--format solo funciona con --out</translation>
    </message>
    <message>
        <source>Sign each letter with the picture &lt;file&gt; (PNG, JPEG or SVG) above the typed name, rather than the signature chosen in the window.</source>
        <translation>Firmar cada carta con la imagen &lt;file&gt; (PNG, JPEG o SVG) encima del nombre mecanografiado, en lugar de la firma elegida en la ventana.</translation>
    </message>
    <message>
        <source>Make the built-in letter in the design &lt;name&gt;: %1 (default: the one chosen in the window, else classic); &quot;--design list&quot; prints the designs&apos; names. A template of your own keeps its own looks.</source>
        <translation>Hacer la carta integrada con el diseño &lt;name&gt;: %1 (por omisión: el elegido en la ventana, o si no classic); «--design list» muestra los nombres de los diseños. Una plantilla propia conserva su propio aspecto.</translation>
    </message>
    <message>
        <source>--design: &quot;%1&quot; is no design; the designs are %2</source>
        <translation>--design: «%1» no es un diseño; los diseños son %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the window needs a desktop session; use --batch to write letters without a window, or start the window under a virtual X server with xvfb-run</source>
        <translation>la ventana necesita una sesión de escritorio; use --batch para escribir cartas sin ventana, o inicie la ventana en un servidor X virtual con xvfb-run</translation>
    </message>
    <message>
        <source>no display (DISPLAY is not set): %1</source>
        <translation>no hay pantalla (DISPLAY no está definida): %1</translation>
    </message>
    <message>
        <source>cannot open the display &quot;%1&quot;: %2</source>
        <translation>no se puede abrir la pantalla «%1»: %2</translation>
    </message>
</context>
</TS>
