<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DesignMenu</name>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>The built-in letter as it always was: your address at the top left</source>
        <translation>La lettre intégrée telle qu&apos;elle a toujours été : votre adresse en haut à gauche</translation>
    </message>
    <message>
        <source>&amp;Modern</source>
        <translation>&amp;Moderne</translation>
    </message>
    <message>
        <source>Your name in a band across the top, your address, phone and e-mail under it</source>
        <translation>Votre nom dans un bandeau en haut, votre adresse, téléphone et e-mail en dessous</translation>
    </message>
    <message>
        <source>&amp;Letterhead</source>
        <translation>&amp;En-tête</translation>
    </message>
    <message>
        <source>Your name, address, phone and e-mail centred across the top, a rule under them</source>
        <translation>Votre nom, adresse, téléphone et e-mail centrés en haut, soulignés d&apos;un filet</translation>
    </message>
    <message>
        <source>&amp;Design</source>
        <translation>Présen&amp;tation</translation>
    </message>
    <message>
        <source>The look of the built-in letter</source>
        <translation>L&apos;aspect de la lettre intégrée</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Yo&amp;ur Name:</source>
        <translation>N&amp;om&#xa0;:</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your full name: it heads the letter and signs it</source>
        <translation>Votre nom complet&#xa0;: il figure en tête de la lettre et la signe</translation>
    </message>
    <message>
        <source>St&amp;reet Address:</source>
        <translation>Ad&amp;resse&#xa0;:</translation>
    </message>
    <message>
        <source>Your Street Address</source>
        <translation>Votre adresse</translation>
    </message>
    <message>
        <source>Your street and house number, under your name</source>
        <translation>Votre rue et numéro, sous votre nom</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>&amp;Ville&#xa0;:</translation>
    </message>
    <message>
        <source>Your City</source>
        <translation>Votre ville</translation>
    </message>
    <message>
        <source>Your city, in your address</source>
        <translation>Votre ville, dans votre adresse</translation>
    </message>
    <message>
        <source>&amp;State:</source>
        <translation>&amp;État&#xa0;:</translation>
    </message>
    <message>
        <source>Your State</source>
        <translation>Votre État</translation>
    </message>
    <message>
        <source>Your state, after your city</source>
        <translation>Votre État, après votre ville</translation>
    </message>
    <message>
        <source>Zi&amp;p Code:</source>
        <translation>&amp;CP&#xa0;:</translation>
    </message>
    <message>
        <source>Your Zip Code</source>
        <translation>Votre code postal</translation>
    </message>
    <message>
        <source>Your zip code, after your state</source>
        <translation>Votre code postal, après votre État</translation>
    </message>
    <message>
        <source>Recipient &amp;Name:</source>
        <translation>No&amp;m&#xa0;:</translation>
    </message>
    <message>
        <source>Recipient Name</source>
        <translation>Nom du destinataire</translation>
    </message>
    <message>
        <source>Whom you write to: heads the inside address and the greeting</source>
        <translation>La personne à qui vous écrivez&#xa0;: en tête de l&apos;adresse du destinataire et dans la formule d&apos;appel</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Fonction&#xa0;:</translation>
    </message>
    <message>
        <source>Recipient Title</source>
        <translation>Fonction du destinataire</translation>
    </message>
    <message>
        <source>The recipient&apos;s job title</source>
        <translation>Le poste qu&apos;occupe le destinataire</translation>
    </message>
    <message>
        <source>Co&amp;mpany Name:</source>
        <translation>E&amp;ntreprise&#xa0;:</translation>
    </message>
    <message>
        <source>Recipient Company Name</source>
        <translation>Entreprise du destinataire</translation>
    </message>
    <message>
        <source>The recipient&apos;s company</source>
        <translation>L&apos;entreprise du destinataire</translation>
    </message>
    <message>
        <source>Street A&amp;ddress:</source>
        <translation>Adre&amp;sse&#xa0;:</translation>
    </message>
    <message>
        <source>Recipient Street Address</source>
        <translation>Adresse du destinataire</translation>
    </message>
    <message>
        <source>The recipient&apos;s street and number</source>
        <translation>La rue et le numéro du destinataire</translation>
    </message>
    <message>
        <source>Cit&amp;y:</source>
        <translation>V&amp;ille&#xa0;:</translation>
    </message>
    <message>
        <source>Recipient City</source>
        <translation>Ville du destinataire</translation>
    </message>
    <message>
        <source>The recipient&apos;s city</source>
        <translation>La ville du destinataire</translation>
    </message>
    <message>
        <source>St&amp;ate:</source>
        <translation>É&amp;tat&#xa0;:</translation>
    </message>
    <message>
        <source>Recipient State</source>
        <translation>État du destinataire</translation>
    </message>
    <message>
        <source>The recipient&apos;s state</source>
        <translation>L&apos;État du destinataire</translation>
    </message>
    <message>
        <source>&amp;Zip Code:</source>
        <translation>C&amp;P&#xa0;:</translation>
    </message>
    <message>
        <source>Recipient Zip Code</source>
        <translation>Code postal du destinataire</translation>
    </message>
    <message>
        <source>The recipient&apos;s zip code</source>
        <translation>Le code postal du destinataire</translation>
    </message>
    <message>
        <source>Fills the letter template with these fields and today&apos;s date and shows the letter</source>
        <translation>Remplit le modèle de lettre avec ces champs et la date du jour, puis affiche la lettre</translation>
    </message>
    <message>
        <source>Empties the twelve fields (Ctrl+Z brings them back)</source>
        <translation>Vide les douze champs (Ctrl+Z les rétablit)</translation>
    </message>
    <message>
        <source>Fills the twelve fields with an example letter (Ctrl+Z brings yours back)</source>
        <translation>Remplit les douze champs avec une lettre d&apos;exemple (Ctrl+Z rétablit les vôtres)</translation>
    </message>
    <message>
        <source>Cleared. Ctrl+Z to undo.</source>
        <translation>Champs vidés. Ctrl+Z pour annuler.</translation>
    </message>
    <message>
        <source>Sample loaded. Ctrl+Z to undo.</source>
        <translation>Exemple chargé. Ctrl+Z pour annuler.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>The Letter, Edit, View and Help menus</source>
        <translation>Les menus Lettre, Édition, Affichage et Aide</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Lettre</translation>
    </message>
    <message>
        <source>The letter&apos;s template and text, and Quit</source>
        <translation>Le modèle et le texte de la lettre, et Quitter</translation>
    </message>
    <message>
        <source>&amp;Built-in Letter</source>
        <translation>Lettre &amp;intégrée</translation>
    </message>
    <message>
        <source>Make letters from the built-in template</source>
        <translation>Créer les lettres à partir du modèle intégré</translation>
    </message>
    <message>
        <source>&amp;Use My Own Template…</source>
        <translation>&amp;Utiliser mon propre modèle…</translation>
    </message>
    <message>
        <source>Make letters from a document of your own that holds the placeholders</source>
        <translation>Créer les lettres à partir d&apos;un document à vous qui contient les balises</translation>
    </message>
    <message>
        <source>&amp;Save Built-in Letter As…</source>
        <translation>&amp;Enregistrer la lettre intégrée sous…</translation>
    </message>
    <message>
        <source>Save the built-in letter to write your own text around its placeholders</source>
        <translation>Enregistrer la lettre intégrée pour écrire votre propre texte autour de ses balises</translation>
    </message>
    <message>
        <source>&amp;Edit Letter Text…</source>
        <translation>&amp;Modifier le texte de la lettre…</translation>
    </message>
    <message>
        <source>Write the built-in letter&apos;s body in your own words, with your phone and e-mail</source>
        <translation>Écrire le corps de la lettre intégrée avec vos propres mots, avec votre téléphone et votre e-mail</translation>
    </message>
    <message>
        <source>More &amp;Fields…</source>
        <translation>&amp;Champs supplémentaires…</translation>
    </message>
    <message>
        <source>Give values to the placeholders your letter uses beyond the fields, such as [Position]</source>
        <translation>Donner une valeur aux balises que votre lettre utilise en plus des champs, comme [Position]</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Undo of Clear/Reset Data and Load Sample/Example Data</source>
        <translation>Annuler Effacer/Réinitialiser les données et Charger les données d&apos;exemple</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>The placeholders, and about Tessaline</source>
        <translation>Les balises, et à propos de Tessaline</translation>
    </message>
    <message>
        <source>&amp;Placeholders…</source>
        <translation>&amp;Balises…</translation>
    </message>
    <message>
        <source>&amp;About Tessaline</source>
        <translation>À &amp;propos de Tessaline</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Autres menus</translation>
    </message>
    <message>
        <source>The menus that do not fit on the menu bar</source>
        <translation>Les menus qui ne tiennent pas dans la barre de menus</translation>
    </message>
    <message>
        <source>Start Creatin&amp;g Template</source>
        <translation>&amp;Générer le modèle</translation>
    </message>
    <message>
        <source>&amp;Clear/Reset Data</source>
        <translation>&amp;Effacer/Réinitialiser les données</translation>
    </message>
    <message>
        <source>L&amp;oad Sample/Example Data</source>
        <translation>Charger les données d&apos;e&amp;xemple</translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation>Vos coordonnées</translation>
    </message>
    <message>
        <source>Recipient Information</source>
        <translation>Destinataire</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Letter Date</source>
        <translation>Date de la lettre</translation>
    </message>
    <message>
        <source>Set to today&apos;s date whenever a letter is made</source>
        <translation>Mise à la date du jour à chaque lettre créée</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>%1

You can go on working, but your entries will not be remembered for the next start.</source>
        <translation>%1

Vous pouvez continuer à travailler, mais vos saisies ne seront pas conservées pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>l&apos;effacement</translation>
    </message>
    <message>
        <source>Load Sample</source>
        <translation>le chargement de l&apos;exemple</translation>
    </message>
    <message>
        <source>Use My Own Template</source>
        <translation>Utiliser mon propre modèle</translation>
    </message>
    <message>
        <source>Save Built-in Letter As</source>
        <translation>Enregistrer la lettre intégrée sous</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Saving the built-in letter…</source>
        <translation>Enregistrement de la lettre intégrée…</translation>
    </message>
    <message>
        <source>The built-in letter is saved as %1.

Open it in your word processor, write your own text around the placeholders, save it, and choose it with Letter &gt; Use My Own Template….</source>
        <translation>La lettre intégrée est enregistrée sous %1.

Ouvrez-la dans votre traitement de texte, écrivez votre propre texte autour des balises, enregistrez-la, puis choisissez-la avec Lettre &gt; Utiliser mon propre modèle….</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Making the letter…</source>
        <translation>Création de la lettre…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>The live page beside the fields</source>
        <translation>La page en direct à côté des champs</translation>
    </message>
    <message>
        <source>Live &amp;Page</source>
        <translation>&amp;Page en direct</translation>
    </message>
    <message>
        <source>Shows the letter beside the fields as you type</source>
        <translation>Affiche la lettre à côté des champs pendant que vous tapez</translation>
    </message>
    <message>
        <source>Le&amp;tters Sent…</source>
        <translation>&amp;Lettres envoyées…</translation>
    </message>
    <message>
        <source>Every letter saved, exported, printed or written by a batch, and its status</source>
        <translation>Chaque lettre enregistrée, exportée, imprimée ou écrite par un lot, et son statut</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>&amp;Save Results To Word File…</source>
        <translation>&amp;Enregistrer en fichier Word…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>Exporter au format &amp;PDF…</translation>
    </message>
    <message>
        <source>Export as &amp;Word 2007-365 (.docx)…</source>
        <translation>Exporter au format &amp;Word 2007-365 (.docx)…</translation>
    </message>
    <message>
        <source>Export as &amp;OpenDocument (.odt)…</source>
        <translation>Exporter au format &amp;OpenDocument (.odt)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Save, export or print the letter, go back, quit, and zoom</source>
        <translation>Enregistrer, exporter ou imprimer la lettre, revenir, quitter et zoomer</translation>
    </message>
    <message>
        <source>More Menus</source>
        <translation>Autres menus</translation>
    </message>
    <message>
        <source>Shows the menus that do not fit on the menu bar</source>
        <translation>Affiche les menus qui ne tiennent pas dans la barre de menus</translation>
    </message>
    <message>
        <source>Edit Letter Text…</source>
        <translation>Modifier le texte de la lettre…</translation>
    </message>
    <message>
        <source>Goes back to the fields and opens the Letter Text window</source>
        <translation>Revient aux champs et ouvre la fenêtre Texte de la lettre</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Zoom arrière</translation>
    </message>
    <message>
        <source>&amp;Save Results To Word File</source>
        <translation>&amp;Enregistrer en fichier Word</translation>
    </message>
    <message>
        <source>Shows the page a quarter step larger</source>
        <translation>Agrandit la page d&apos;un quart</translation>
    </message>
    <message>
        <source>Shows the page a quarter step smaller</source>
        <translation>Réduit la page d&apos;un quart</translation>
    </message>
    <message>
        <source>Saves the letter as a Word 97-2003 document under a name you choose</source>
        <translation>Enregistre la lettre comme document Word 97-2003 sous le nom de votre choix</translation>
    </message>
    <message>
        <source>Returns to the fields, to change them and make another letter</source>
        <translation>Revient aux champs, pour les modifier et créer une autre lettre</translation>
    </message>
    <message>
        <source>The letter has no page to show</source>
        <translation>La lettre n&apos;a aucune page à afficher</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>page %1 of %2, %3</source>
        <translation>page %1 sur %2, %3</translation>
    </message>
    <message>
        <source>%1 — Preview (%2)</source>
        <translation>%1 — Aperçu (%2)</translation>
    </message>
    <message>
        <source> — %1</source>
        <translation> — %1</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message>
        <source>No office is there to export the letter.</source>
        <translation>Aucune suite bureautique n&apos;est disponible pour exporter la lettre.</translation>
    </message>
    <message>
        <source>No office is there to print the letter.</source>
        <translation>Aucune suite bureautique n&apos;est disponible pour imprimer la lettre.</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>Page &amp;entière</translation>
    </message>
    <message>
        <source>&amp;Fit Page</source>
        <translation>A&amp;juster à la page</translation>
    </message>
    <message>
        <source>%1

The page is shown as you chose, but the choice will not be remembered for the next start.</source>
        <translation>%1

La page s&apos;affiche comme vous l&apos;avez choisi, mais ce choix ne sera pas conservé pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>&amp;Letters Sent…</source>
        <translation>&amp;Lettres envoyées…</translation>
    </message>
    <message>
        <source>Send by E-&amp;mail…</source>
        <translation>Envoyer par e-&amp;mail…</translation>
    </message>
    <message>
        <source>No office is there to write the letter for the e-mail.</source>
        <translation>Aucune suite bureautique n&apos;est disponible pour écrire la lettre à joindre à l&apos;e-mail.</translation>
    </message>
</context>
<context>
    <name>LetterFormat</name>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Fichiers Word (*.doc)</translation>
    </message>
    <message>
        <source>Word 2007-365 Documents (*.docx)</source>
        <translation>Documents Word 2007-365 (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>Texte OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LetterSession</name>
    <message>
        <source>&amp;Make the Letter Anyway</source>
        <translation>&amp;Créer la lettre quand même</translation>
    </message>
    <message>
        <source>More &amp;Fields…</source>
        <translation>Champs &amp;supplémentaires…</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Revenir</translation>
    </message>
    <message>
        <source>Before the letter is made, have a look:</source>
        <translation>Avant de créer la lettre, jetez un œil à ceci&#xa0;:</translation>
    </message>
    <message>
        <source>Make the letter anyway, or go back and change it?</source>
        <translation>Créer la lettre quand même, ou revenir pour la modifier&#xa0;?</translation>
    </message>
</context>
<context>
    <name>LetterStatus</name>
    <message>
        <source>written</source>
        <translation>écrite</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>envoyée</translation>
    </message>
    <message>
        <source>interview</source>
        <translation>entretien</translation>
    </message>
    <message>
        <source>offer</source>
        <translation>offre</translation>
    </message>
    <message>
        <source>rejected</source>
        <translation>refusée</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sans réponse</translation>
    </message>
</context>
<context>
    <name>LetterTextWindow</name>
    <message>
        <source>Letter Text</source>
        <translation>Texte de la lettre</translation>
    </message>
    <message>
        <source>The body of the built-in letter: what stands between &quot;Dear …:&quot; and &quot;Sincerely,&quot;. A blank line starts a new paragraph; a line that begins with a dash and a space (&quot;- &quot;) is a bulleted item. Placeholders such as [CompanyName] are filled as everywhere else.</source>
        <translation>Le corps de la lettre intégrée, entre «&#xa0;Dear …:&#xa0;» et «&#xa0;Sincerely,&#xa0;». Une ligne vide commence un paragraphe&#xa0;; une ligne commençant par un tiret et une espace («&#xa0;-&#xa0;») est une puce. Les balises comme [CompanyName] sont remplies comme ailleurs.</translation>
    </message>
    <message>
        <source>Your own template, %1, is in use: it keeps its own words, and this text is used once you choose Letter &gt; Built-in Letter again. Your phone and e-mail fill [Phone] and [Email] in every template.</source>
        <translation>Votre propre modèle, %1, est utilisé&#xa0;: il garde ses propres mots, et ce texte sera utilisé dès que vous choisirez de nouveau Lettre &gt; Lettre intégrée. Votre téléphone et votre e-mail remplissent [Phone] et [Email] dans tous les modèles.</translation>
    </message>
    <message>
        <source>Letter &amp;text:</source>
        <translation>&amp;Texte de la lettre&#xa0;:</translation>
    </message>
    <message>
        <source>The body of the built-in letter, in your own words</source>
        <translation>Le corps de la lettre intégrée, avec vos propres mots</translation>
    </message>
    <message>
        <source>Letter Text, up and down</source>
        <translation>Texte de la lettre, défilement vertical</translation>
    </message>
    <message>
        <source>Scrolls the letter text up and down</source>
        <translation>Fait défiler le texte de la lettre vers le haut et vers le bas</translation>
    </message>
    <message>
        <source>Letter Text, sideways</source>
        <translation>Texte de la lettre, défilement horizontal</translation>
    </message>
    <message>
        <source>Scrolls the letter text sideways</source>
        <translation>Fait défiler le texte de la lettre sur le côté</translation>
    </message>
    <message>
        <source>&amp;Insert Placeholder</source>
        <translation>&amp;Insérer une balise</translation>
    </message>
    <message>
        <source>Puts a placeholder where the caret is in the letter text</source>
        <translation>Insère une balise à l&apos;emplacement du curseur dans le texte de la lettre</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>Balises</translation>
    </message>
    <message>
        <source>&amp;Restore Built-in Text</source>
        <translation>&amp;Rétablir le texte intégré</translation>
    </message>
    <message>
        <source>Puts the built-in letter&apos;s body back into the letter text</source>
        <translation>Remet le corps de la lettre intégrée dans le texte de la lettre</translation>
    </message>
    <message>
        <source>Your Phone</source>
        <translation>Votre téléphone</translation>
    </message>
    <message>
        <source>Fills [Phone] in the letter</source>
        <translation>Remplit [Phone] dans la lettre</translation>
    </message>
    <message>
        <source>Your E-mail</source>
        <translation>Votre e-mail</translation>
    </message>
    <message>
        <source>Fills [Email] in the letter</source>
        <translation>Remplit [Email] dans la lettre</translation>
    </message>
    <message>
        <source>Your Country</source>
        <translation>Votre pays</translation>
    </message>
    <message>
        <source>Fills [Country]: a line under your city when given</source>
        <translation>Remplit [Country]&#xa0;: une ligne sous votre ville, s&apos;il est indiqué</translation>
    </message>
    <message>
        <source>Recipient&apos;s Country</source>
        <translation>Pays du destinataire</translation>
    </message>
    <message>
        <source>Fills [Country2]: a line under the recipient&apos;s city when given</source>
        <translation>Remplit [Country2]&#xa0;: une ligne sous la ville du destinataire, s&apos;il est indiqué</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Formule d&apos;appel</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s greeting; placeholders work here</source>
        <translation>La formule d&apos;appel de la lettre intégrée&#xa0;; les balises y fonctionnent</translation>
    </message>
    <message>
        <source>Greeting Without a Name</source>
        <translation>Formule d&apos;appel sans nom</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s greeting when the recipient&apos;s name is empty</source>
        <translation>La formule d&apos;appel de la lettre intégrée quand le nom du destinataire est vide</translation>
    </message>
    <message>
        <source>Closing</source>
        <translation>Formule de politesse</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s closing; empty: none</source>
        <translation>La formule de politesse de la lettre intégrée&#xa0;; vide&#xa0;: aucune</translation>
    </message>
    <message>
        <source>Enclosure Line</source>
        <translation>Mention des pièces jointes</translation>
    </message>
    <message>
        <source>The line under your name; empty: none</source>
        <translation>La ligne sous votre nom&#xa0;; vide&#xa0;: aucune</translation>
    </message>
    <message>
        <source>Keeps the letter text and everything below it</source>
        <translation>Conserve le texte de la lettre et tout ce qui se trouve en dessous</translation>
    </message>
    <message>
        <source>Closes the window and keeps nothing</source>
        <translation>Ferme la fenêtre sans rien conserver</translation>
    </message>
    <message>
        <source>Spelling Dictionary</source>
        <translation>Dictionnaire orthographique</translation>
    </message>
    <message>
        <source>The language the letter text&apos;s spelling is checked in</source>
        <translation>La langue dans laquelle l&apos;orthographe du texte de la lettre est vérifiée</translation>
    </message>
    <message>
        <source>Your language&apos;s</source>
        <translation>Celui de votre langue</translation>
    </message>
    <message>
        <source>&amp;Dictionary:</source>
        <translation>&amp;Dictionnaire&#xa0;:</translation>
    </message>
    <message>
        <source>Your P&amp;hone:</source>
        <translation>Téléph&amp;one&#xa0;:</translation>
    </message>
    <message>
        <source>Your E-&amp;mail:</source>
        <translation>E-&amp;mail&#xa0;:</translation>
    </message>
    <message>
        <source>Your Co&amp;untry:</source>
        <translation>&amp;Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Recipient&apos;s Countr&amp;y:</source>
        <translation>Pa&amp;ys du destinataire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Greeting:</source>
        <translation>&amp;Formule d&apos;appel&#xa0;:</translation>
    </message>
    <message>
        <source>Greeting &amp;without a name:</source>
        <translation>Formule d&apos;appel &amp;sans nom&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;losing:</source>
        <translation>Formule de po&amp;litesse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Enclosure line:</source>
        <translation>Pièces &amp;jointes&#xa0;:</translation>
    </message>
    <message>
        <source>Add to &amp;Dictionary</source>
        <translation>&amp;Ajouter au dictionnaire</translation>
    </message>
    <message>
        <source>%1

Your letter text was not kept; the window stays open so that nothing you typed is lost.</source>
        <translation>%1

Le texte de votre lettre n&apos;a pas été conservé&#xa0;; la fenêtre reste ouverte pour que rien de ce que vous avez tapé ne soit perdu.</translation>
    </message>
    <message>
        <source>The picture signed above your typed name</source>
        <translation>L&apos;image de votre signature, placée au-dessus de votre nom dactylographié</translation>
    </message>
    <message>
        <source>Ch&amp;oose…</source>
        <translation>&amp;Choisir…</translation>
    </message>
    <message>
        <source>Choose Signature</source>
        <translation>Choisir la signature</translation>
    </message>
    <message>
        <source>Chooses a picture of your signature (PNG, JPEG or SVG) for above your typed name</source>
        <translation>Choisit une image de votre signature (PNG, JPEG ou SVG) à placer au-dessus de votre nom dactylographié</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>R&amp;etirer</translation>
    </message>
    <message>
        <source>Remove Signature</source>
        <translation>Retirer la signature</translation>
    </message>
    <message>
        <source>Letters are no longer signed with a picture</source>
        <translation>Les lettres ne seront plus signées avec une image</translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation>Signature&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>Signature&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg</source>
        <translation>Images (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg</translation>
    </message>
    <message>
        <source>Your Web Page</source>
        <translation>Votre page web</translation>
    </message>
    <message>
        <source>Fills [Web]: the letterhead design&apos;s line under your phone and e-mail</source>
        <translation>Remplit [Web] : la ligne de la présentation En-tête sous votre téléphone et votre e-mail</translation>
    </message>
    <message>
        <source>Your We&amp;b Page:</source>
        <translation>Page &amp;web :</translation>
    </message>
</context>
<context>
    <name>LettersModel</name>
    <message>
        <source>The status could not be kept: %1.</source>
        <translation>Le statut n&apos;a pas pu être enregistré&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>LettersWindow</name>
    <message>
        <source>Letters Sent</source>
        <translation>Lettres envoyées</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Company, recipient, position, status or file</source>
        <translation>Entreprise, destinataire, poste, statut ou fichier</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Shows only the letters whose row holds these words</source>
        <translation>N&apos;affiche que les lettres dont la ligne contient ces mots</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>Each letter written, a row each; F2 sets its status</source>
        <translation>Chaque lettre écrite, une ligne par lettre&#xa0;; F2 en change le statut</translation>
    </message>
    <message>
        <source>&amp;Open Letter</source>
        <translation>&amp;Ouvrir la lettre</translation>
    </message>
    <message>
        <source>Opens the chosen letter&apos;s file</source>
        <translation>Ouvre le fichier de la lettre choisie</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>Ouvrir le &amp;dossier</translation>
    </message>
    <message>
        <source>Opens the folder that holds the chosen letter</source>
        <translation>Ouvre le dossier qui contient la lettre choisie</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>Writes the letters shown to a CSV file</source>
        <translation>Écrit les lettres affichées dans un fichier CSV</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The record of letters cannot be read: %1.</source>
        <translation>Le registre des lettres ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The letter %1 is no longer there: it was moved or deleted.</source>
        <translation>La lettre %1 n&apos;est plus là&#xa0;: elle a été déplacée ou supprimée.</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>Aucun programme n&apos;a pu être lancé pour ouvrir %1.</translation>
    </message>
    <message>
        <source>The folder %1 is no longer there.</source>
        <translation>Le dossier %1 n&apos;est plus là.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Not redrawn: %1</source>
        <translation>Non redessinée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not redrawn: the office stopped. Your next change draws the page again.</source>
        <translation>Non redessinée&#xa0;: la suite bureautique s&apos;est arrêtée. Votre prochaine modification redessinera la page.</translation>
    </message>
</context>
<context>
    <name>LivePageWindow</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>Draws the live page again</source>
        <translation>Redessine la page en direct</translation>
    </message>
    <message>
        <source>Live Page View</source>
        <translation>Vue de la page en direct</translation>
    </message>
    <message>
        <source>Shows a page of the letter as the fields make it now</source>
        <translation>Affiche une page de la lettre telle que les champs la composent maintenant</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Live page %1 of %2</source>
        <translation>Page en direct %1 sur %2</translation>
    </message>
    <message>
        <source>Live page</source>
        <translation>Page en direct</translation>
    </message>
    <message>
        <source>A draft of the letter as the fields make it now, redrawn as you type; nothing is saved from it.%1</source>
        <translation>Un brouillon de la lettre telle que les champs la composent maintenant, redessiné pendant que vous tapez&#xa0;; rien n&apos;en est enregistré.%1</translation>
    </message>
    <message>
        <source> Page Up and Page Down turn the pages.</source>
        <translation> Page préc. et Page suiv. tournent les pages.</translation>
    </message>
    <message>
        <source>%1 — Live Page (page %2 of %3)</source>
        <translation>%1 — Page en direct (page %2 sur %3)</translation>
    </message>
    <message>
        <source>%1 — Live Page</source>
        <translation>%1 — Page en direct</translation>
    </message>
</context>
<context>
    <name>MailHandover</name>
    <message>
        <source>Application</source>
        <translation>Candidature</translation>
    </message>
    <message>
        <source>Application: %1</source>
        <translation>Candidature&#xa0;: %1</translation>
    </message>
    <message>
        <source>No e-mail program can take the letter: this desktop has neither an e-mail portal nor xdg-email with a mail program set up. Export the letter with File ▸ Export as PDF… and attach it to a message yourself.</source>
        <translation>Aucun programme de messagerie ne peut prendre la lettre&#xa0;: ce bureau n&apos;a ni portail de messagerie, ni xdg-email avec un programme de messagerie configuré. Exportez la lettre avec Fichier ▸ Exporter au format PDF… et joignez-la vous-même à un message.</translation>
    </message>
    <message>
        <source>The letter could not be handed to the e-mail program. Export it with File ▸ Export as PDF… and attach it to a message yourself.</source>
        <translation>La lettre n&apos;a pas pu être transmise au programme de messagerie. Exportez-la avec Fichier ▸ Exporter au format PDF… et joignez-la vous-même à un message.</translation>
    </message>
</context>
<context>
    <name>MoreFieldsWindow</name>
    <message>
        <source>More Fields</source>
        <translation>Champs supplémentaires</translation>
    </message>
    <message>
        <source>Values for the placeholders your letter uses beyond the fields, [Phone] and [Email]. Each fills every letter you make here, and a list&apos;s column of the same name takes its place in a batch.</source>
        <translation>Des valeurs pour les balises que votre lettre utilise en plus des champs, de [Phone] et de [Email]. Chacune remplit toutes les lettres que vous créez ici&#xa0;; dans un lot, une colonne de la liste portant le même nom prend sa place.</translation>
    </message>
    <message>
        <source>Your letter text uses no such placeholder. Put one such as [Position] in it (Letter &gt; Edit Letter Text…), and it is listed here. Those of your own template are listed once a letter has been made from it.</source>
        <translation>Le texte de votre lettre n&apos;utilise aucune balise de ce genre. Ajoutez-en une, comme [Position] (Lettre &gt; Modifier le texte de la lettre…), et elle apparaîtra ici. Celles de votre propre modèle apparaissent une fois qu&apos;une lettre a été créée à partir de celui-ci.</translation>
    </message>
    <message>
        <source>What fills [%1] in your letters</source>
        <translation>Ce qui remplit [%1] dans vos lettres</translation>
    </message>
    <message>
        <source>%1

Your values were not all kept; the window stays open so that nothing you typed is lost.</source>
        <translation>%1

Vos valeurs n&apos;ont pas toutes été conservées&#xa0;; la fenêtre reste ouverte pour que rien de ce que vous avez tapé ne soit perdu.</translation>
    </message>
</context>
<context>
    <name>NoticeLine</name>
    <message>
        <source>Worth a look</source>
        <translation>À vérifier</translation>
    </message>
</context>
<context>
    <name>PageArea</name>
    <message>
        <source>Page View</source>
        <translation>Vue de la page</translation>
    </message>
    <message>
        <source>Shows the letter&apos;s page at the chosen zoom</source>
        <translation>Affiche la page de la lettre au zoom choisi</translation>
    </message>
    <message>
        <source>Visible Area</source>
        <translation>Zone visible</translation>
    </message>
    <message>
        <source>The part of the view through which the page shows</source>
        <translation>La partie de la vue à travers laquelle la page apparaît</translation>
    </message>
    <message>
        <source>Horizontal Scroll</source>
        <translation>Défilement horizontal</translation>
    </message>
    <message>
        <source>Moves the page left and right</source>
        <translation>Déplace la page vers la gauche et vers la droite</translation>
    </message>
    <message>
        <source>Vertical Scroll</source>
        <translation>Défilement vertical</translation>
    </message>
    <message>
        <source>Moves the page up and down</source>
        <translation>Déplace la page vers le haut et vers le bas</translation>
    </message>
    <message>
        <source>Letter Page %1 of %2</source>
        <translation>Page %1 sur %2 de la lettre</translation>
    </message>
    <message>
        <source>Letter Page</source>
        <translation>Page de la lettre</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Zoom %1&#xa0;%</translation>
    </message>
    <message>
        <source>, page %1 of %2</source>
        <translation>, page %1 sur %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1. A page of the filled letter: the arrow keys, Page Up, Page Down, Home and End scroll it, or drag it</source>
        <translation>%1. Une page de la lettre remplie&#xa0;: les flèches, Page préc., Page suiv., Début et Fin la font défiler, ou faites-la glisser</translation>
    </message>
    <message>
        <source>Largest zoom reached</source>
        <translation>Zoom maximal atteint</translation>
    </message>
    <message>
        <source>Smallest zoom reached</source>
        <translation>Zoom minimal atteint</translation>
    </message>
</context>
<context>
    <name>PaperSizeMenu</name>
    <message>
        <source>&amp;Paper Size</source>
        <translation>Format du &amp;papier</translation>
    </message>
    <message>
        <source>The paper the built-in letter is laid out on</source>
        <translation>Le papier sur lequel la lettre intégrée est mise en page</translation>
    </message>
    <message>
        <source>&amp;A4</source>
        <translation>&amp;A4</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on A4 paper (210 × 297 mm)</source>
        <translation>Mettre en page la lettre intégrée sur du papier A4 (210 × 297 mm)</translation>
    </message>
    <message>
        <source>US &amp;Letter</source>
        <translation>&amp;Lettre US</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on US Letter paper (8.5 × 11 in)</source>
        <translation>Mettre en page la lettre intégrée sur du papier Lettre US (8,5 × 11 po)</translation>
    </message>
</context>
<context>
    <name>PlaceholdersWindow</name>
    <message>
        <source>Placeholders</source>
        <translation>Balises</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Balise</translation>
    </message>
    <message>
        <source>Filled with</source>
        <translation>Remplie par</translation>
    </message>
    <message>
        <source>Each placeholder and what fills it, a row each</source>
        <translation>Chaque balise et ce qui la remplit, une ligne par balise</translation>
    </message>
    <message>
        <source>How placeholders are matched</source>
        <translation>Comment les balises sont reconnues</translation>
    </message>
    <message>
        <source>Letter case, where placeholders are filled, and your own fields</source>
        <translation>Majuscules et minuscules, où les balises sont remplies, et vos propres champs</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Ferme cette fenêtre</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the office wrote nothing</source>
        <translation>la suite bureautique n&apos;a rien écrit</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the file was already written or discarded</source>
        <translation>le fichier a déjà été écrit ou abandonné</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full (%2).</source>
        <translation>Le disque qui contient %1 est plein (%2).</translation>
    </message>
    <message>
        <source>Cannot read the letter %1: %2</source>
        <translation>Impossible de lire la lettre %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>n&apos;existe pas</translation>
    </message>
    <message>
        <source>is %1, not a regular file</source>
        <translation>est %1, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>is larger than %1</source>
        <translation>fait plus de %1</translation>
    </message>
    <message>
        <source>Cannot mark the folder %1 as in use: %2</source>
        <translation>Impossible de marquer le dossier %1 comme utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another running program</source>
        <translation>Le dossier %1 est utilisé par un autre programme en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>The folder %1 was removed while it was being made</source>
        <translation>Le dossier %1 a été supprimé pendant sa création</translation>
    </message>
    <message>
        <source>Cannot write in %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Cannot write in %1: its lock file keeps changing</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: son fichier de verrou ne cesse de changer</translation>
    </message>
    <message>
        <source>Cannot create the scratch folder %1: %2</source>
        <translation>Impossible de créer le dossier temporaire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The scratch folder %1 is not a folder of your own; remove it or set the variable TMPDIR.</source>
        <translation>Le dossier temporaire %1 ne vous appartient pas&#xa0;; supprimez-le ou définissez la variable TMPDIR.</translation>
    </message>
    <message>
        <source>The scratch folder %1 is open to other users; remove it or set the variable TMPDIR.</source>
        <translation>Le dossier temporaire %1 est ouvert aux autres utilisateurs&#xa0;; supprimez-le ou définissez la variable TMPDIR.</translation>
    </message>
    <message>
        <source>Cannot save your entries to %1: the file cannot be written.</source>
        <translation>Impossible d&apos;enregistrer vos saisies dans %1&#xa0;: le fichier ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Cannot save your entries to %1: it is %2, not a regular file.</source>
        <translation>Impossible d&apos;enregistrer vos saisies dans %1&#xa0;: c&apos;est %2, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Columns of the list:</source>
        <translation>Colonnes de la liste&#xa0;:</translation>
    </message>
    <message>
        <source>fills nothing</source>
        <translation>ne remplit rien</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>ignorée</translation>
    </message>
    <message>
        <source>From the window&apos;s settings, in every letter:</source>
        <translation>Des paramètres de la fenêtre, dans chaque lettre&#xa0;:</translation>
    </message>
    <message>
        <source>From More Fields, in every letter:</source>
        <translation>Des champs supplémentaires, dans chaque lettre&#xa0;:</translation>
    </message>
    <message>
        <source>Empty in every letter:</source>
        <translation>Vide dans chaque lettre&#xa0;:</translation>
    </message>
    <message>
        <source>The letter of line %1, %2:</source>
        <translation>La lettre de la ligne %1, %2&#xa0;:</translation>
    </message>
    <message>
        <source>Dry run, nothing written: %1 of %2 rows would make a letter, %3 would fail.</source>
        <translation>Simulation, rien n&apos;a été écrit&#xa0;: %1 ligne(s) sur %2 donneraient une lettre, %3 échoueraient.</translation>
    </message>
    <message>
        <source>%1: it already exists</source>
        <translation>%1&#xa0;: il existe déjà</translation>
    </message>
    <message>
        <source>%1: they already exist</source>
        <translation>%1&#xa0;: ils existent déjà</translation>
    </message>
    <message>
        <source>the office could not write the letter (%1)</source>
        <translation>la suite bureautique n&apos;a pas pu écrire la lettre (%1)</translation>
    </message>
    <message>
        <source>the office could not fill in the letter (%1)</source>
        <translation>la suite bureautique n&apos;a pas pu remplir la lettre (%1)</translation>
    </message>
    <message>
        <source>written %1; %2</source>
        <translation>%1 écrit&#xa0;; %2</translation>
    </message>
    <message>
        <source>Cannot start an office with the template: %1</source>
        <translation>Impossible de démarrer une suite bureautique avec le modèle&#xa0;: %1</translation>
    </message>
    <message>
        <source>An office could not be started: %1</source>
        <translation>Impossible de démarrer une suite bureautique&#xa0;: %1</translation>
    </message>
    <message>
        <source>An office could not be started again: %1</source>
        <translation>Impossible de redémarrer une suite bureautique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; is ignored: it repeats another column or has no name.</source>
        <translation>La colonne «&#xa0;%1&#xa0;» est ignorée&#xa0;: elle répète une autre colonne ou n&apos;a pas de nom.</translation>
    </message>
    <message>
        <source>Columns &quot;%1&quot; are ignored: they repeat other columns or have no name.</source>
        <translation>Les colonnes «&#xa0;%1&#xa0;» sont ignorées&#xa0;: elles répètent d&apos;autres colonnes ou n&apos;ont pas de nom.</translation>
    </message>
    <message>
        <source>The list&apos;s columns are separated by semicolons.</source>
        <translation>Les colonnes de la liste sont séparées par des points-virgules.</translation>
    </message>
    <message>
        <source>The list&apos;s columns are separated by tabs.</source>
        <translation>Les colonnes de la liste sont séparées par des tabulations.</translation>
    </message>
    <message>
        <source>--sheet: %1 is no spreadsheet (.xlsx, .xls or .ods)</source>
        <translation>--sheet&#xa0;: %1 n&apos;est pas un classeur (.xlsx, .xls ou .ods)</translation>
    </message>
    <message>
        <source>The template chosen in the window, %1, is %2, not a regular file; the built-in one is used.</source>
        <translation>Le modèle choisi dans la fenêtre, %1, est %2, pas un fichier ordinaire&#xa0;; le modèle intégré est utilisé.</translation>
    </message>
    <message>
        <source>The template chosen in the window, %1, is missing; the built-in one is used.</source>
        <translation>Le modèle choisi dans la fenêtre, %1, est introuvable&#xa0;; le modèle intégré est utilisé.</translation>
    </message>
    <message>
        <source>--paper: the template %1 keeps its own paper.</source>
        <translation>--paper&#xa0;: le modèle %1 garde son propre format de papier.</translation>
    </message>
    <message>
        <source>--strict: no letter is written, for the warnings above.</source>
        <translation>--strict&#xa0;: aucune lettre n&apos;est écrite, en raison des avertissements ci-dessus.</translation>
    </message>
    <message>
        <source>Spelling: &apos;%1&apos; and %2 more words may be misspelled in your letter text.</source>
        <translation>Orthographe&#xa0;: «&#xa0;%1&#xa0;» et %2 autres mots sont peut-être mal orthographiés dans le texte de votre lettre.</translation>
    </message>
    <message>
        <source>Spelling: &apos;%1&apos; may be misspelled in your letter text.</source>
        <translation>Orthographe&#xa0;: «&#xa0;%1&#xa0;» est peut-être mal orthographié dans le texte de votre lettre.</translation>
    </message>
    <message>
        <source>line %1: skipped: the row is empty</source>
        <translation>ligne %1&#xa0;: ignorée&#xa0;: la ligne est vide</translation>
    </message>
    <message>
        <source>line %1: failed: %2</source>
        <translation>ligne %1&#xa0;: échec&#xa0;: %2</translation>
    </message>
    <message>
        <source>1 row has nothing for its file name: its letter is named after its line in the list, &quot;%1&quot;.</source>
        <translation>1 ligne n&apos;a rien pour son nom de fichier&#xa0;: sa lettre porte le nom de sa ligne dans la liste, «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 rows have nothing for their file names: each letter is named after its line in the list, such as &quot;%2&quot;.</source>
        <translation>%1 lignes n&apos;ont rien pour leur nom de fichier&#xa0;: chaque lettre porte le nom de sa ligne dans la liste, par exemple «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Cannot write into %1: its lock file .tessaline-writer belongs to the user %2. Choose another folder, or have %2 remove it.</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: son fichier de verrou .tessaline-writer appartient à l&apos;utilisateur %2. Choisissez un autre dossier, ou demandez à %2 de le supprimer.</translation>
    </message>
    <message>
        <source>Another batch is writing into %1 (process %2); wait for it to end.</source>
        <translation>Un autre lot écrit dans %1 (processus %2)&#xa0;; attendez qu&apos;il se termine.</translation>
    </message>
    <message>
        <source>Another batch is writing into %1; wait for it to end.</source>
        <translation>Un autre lot écrit dans %1&#xa0;; attendez qu&apos;il se termine.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no &quot;=&quot; (write COLUMN=PLACEHOLDER)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas de «&#xa0;=&#xa0;» (écrivez COLONNE=BALISE)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no column</source>
        <translation>«&#xa0;%1&#xa0;» ne nomme aucune colonne</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no placeholder</source>
        <translation>«&#xa0;%1&#xa0;» ne nomme aucune balise</translation>
    </message>
    <message>
        <source>--columns: the list has no column &quot;%1&quot; (its columns: &quot;%2&quot;)</source>
        <translation>--columns&#xa0;: la liste n&apos;a pas de colonne «&#xa0;%1&#xa0;» (ses colonnes&#xa0;: «&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>[%1] (the recipient&apos;s; the sender&apos;s [%2] when the list has the recipient&apos;s own column or the name says &quot;Sender&quot; or &quot;Your&quot;)</source>
        <translation>[%1] (celui du destinataire&#xa0;; le vôtre, [%2], quand la liste a la colonne propre au destinataire ou que le nom dit «&#xa0;Sender&#xa0;» ou «&#xa0;Your&#xa0;»)</translation>
    </message>
    <message>
        <source>the office did not answer within %1 seconds and was ended</source>
        <translation>la suite bureautique n&apos;a pas répondu en %1 secondes et a été arrêtée</translation>
    </message>
    <message>
        <source> No new letter is started; those in progress end.</source>
        <translation> Aucune nouvelle lettre n&apos;est commencée&#xa0;; celles en cours se terminent.</translation>
    </message>
    <message>
        <source>The letter template %1 holds none of the placeholders, such as [YourName] or [CompanyName], so none of the entries are in the letters. They are made all the same.</source>
        <translation>Le modèle de lettre %1 ne contient aucune des balises, comme [YourName] ou [CompanyName]&#xa0;: aucune des saisies ne figure donc dans les lettres. Elles sont créées malgré tout.</translation>
    </message>
    <message>
        <source>line %1: the office failed (%2); trying again on a fresh one</source>
        <translation>ligne %1&#xa0;: la suite bureautique a échoué (%2)&#xa0;; nouvel essai avec une autre</translation>
    </message>
    <message>
        <source>line %1: written %2</source>
        <translation>ligne %1&#xa0;: %2 écrit</translation>
    </message>
    <message>
        <source>line %1: skipped: %2 (--force replaces it)</source>
        <translation>ligne %1&#xa0;: ignorée&#xa0;: %2 (--force le remplace)</translation>
    </message>
    <message>
        <source>Stopping: the letters in progress are finished, no new ones start.</source>
        <translation>Arrêt&#xa0;: les lettres en cours sont terminées, aucune nouvelle ne commence.</translation>
    </message>
    <message>
        <source>line %1: failed: no office could be started</source>
        <translation>ligne %1&#xa0;: échec&#xa0;: aucune suite bureautique n&apos;a pu être démarrée</translation>
    </message>
    <message>
        <source>Stopped before the list was read: no letter written.</source>
        <translation>Arrêté avant la lecture de la liste&#xa0;: aucune lettre écrite.</translation>
    </message>
    <message>
        <source>The letter template %1 %2</source>
        <translation>Le modèle de lettre %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 written, %3 skipped, %4 failed</source>
        <translation>%1&#xa0;: %2 écrites, %3 ignorées, %4 en échec</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Arrêté. </translation>
    </message>
    <message>
        <source>, %1 not done</source>
        <translation>, %1 non traitées</translation>
    </message>
    <message>
        <source>Stopped: the disk is full. </source>
        <translation>Arrêté&#xa0;: le disque est plein. </translation>
    </message>
    <message>
        <source>Cannot read the list: out of memory</source>
        <translation>Impossible de lire la liste&#xa0;: mémoire insuffisante</translation>
    </message>
    <message>
        <source>line %1: a quote is misplaced or never closed (a field that holds quotes must be quoted, with each quote doubled)</source>
        <translation>ligne %1&#xa0;: un guillemet est mal placé ou jamais fermé (un champ qui contient des guillemets doit être entre guillemets, chaque guillemet étant doublé)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a list</source>
        <translation>c&apos;est un dossier, pas une liste</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>elle fait plus de %1</translation>
    </message>
    <message>
        <source>it is not UTF-8 text (save it from the spreadsheet as &quot;CSV UTF-8&quot;)</source>
        <translation>ce n&apos;est pas du texte UTF-8 (enregistrez-la depuis le tableur au format «&#xa0;CSV UTF-8&#xa0;»)</translation>
    </message>
    <message>
        <source>it has no header row naming the columns</source>
        <translation>elle n&apos;a pas de ligne d&apos;en-tête nommant les colonnes</translation>
    </message>
    <message>
        <source>line %1: a column&apos;s name holds a NUL character (is it a text file?)</source>
        <translation>ligne %1&#xa0;: le nom d&apos;une colonne contient un caractère NUL (est-ce un fichier texte&#xa0;?)</translation>
    </message>
    <message>
        <source>(a column without a name)</source>
        <translation>(une colonne sans nom)</translation>
    </message>
    <message>
        <source>the row has %1 fields, the header has %2</source>
        <translation>la ligne a %1 champs, l&apos;en-tête en a %2</translation>
    </message>
    <message>
        <source>the field of column &quot;%1&quot; holds a NUL character (is the list a text file?)</source>
        <translation>le champ de la colonne «&#xa0;%1&#xa0;» contient un caractère NUL (la liste est-elle un fichier texte&#xa0;?)</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Column %1 fills the recipient&apos;s %2: its name does not say whose address it holds, and the list has no recipient&apos;s column of its own for it (--columns &quot;%3&quot; would make it yours).</source>
        <translation>La colonne %1 remplit le champ %2 du destinataire&#xa0;: son nom ne dit pas à qui appartient l&apos;adresse, et la liste n&apos;a pas de colonne propre au destinataire pour ce champ (--columns «&#xa0;%3&#xa0;» en ferait le vôtre).</translation>
    </message>
    <message>
        <source>Columns %1 fill the recipient&apos;s %2: their names do not say whose address they hold, and the list has no recipient&apos;s columns of its own for them (--columns &quot;%3&quot; would make one yours).</source>
        <translation>Les colonnes %1 remplissent les champs %2 du destinataire&#xa0;: leurs noms ne disent pas à qui appartient l&apos;adresse, et la liste n&apos;a pas de colonnes propres au destinataire pour ces champs (--columns «&#xa0;%3&#xa0;» ferait de l&apos;une d&apos;elles la vôtre).</translation>
    </message>
    <message>
        <source>Column %1 fills your own %2 in every letter, in place of what the window stores (--columns &quot;%3&quot; would make it the recipient&apos;s).</source>
        <translation>La colonne %1 remplit votre propre champ %2 dans chaque lettre, à la place de ce que la fenêtre a enregistré (--columns «&#xa0;%3&#xa0;» en ferait celui du destinataire).</translation>
    </message>
    <message>
        <source>Columns %1 fill your own %2 in every letter, in place of what the window stores (--columns &quot;%3&quot; would make one the recipient&apos;s).</source>
        <translation>Les colonnes %1 remplissent vos propres champs %2 dans chaque lettre, à la place de ce que la fenêtre a enregistré (--columns «&#xa0;%3&#xa0;» ferait de l&apos;une d&apos;elles celle du destinataire).</translation>
    </message>
    <message>
        <source>the name pattern has a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>le modèle de nom a une «&#xa0;{&#xa0;» sans sa «&#xa0;}&#xa0;»</translation>
    </message>
    <message>
        <source>the name pattern&apos;s {%1} names no placeholder</source>
        <translation>le {%1} du modèle de nom ne nomme aucune balise</translation>
    </message>
    <message>
        <source>the name pattern&apos;s {%1} names no field of the letter and no column of the list</source>
        <translation>le {%1} du modèle de nom ne nomme aucun champ de la lettre ni aucune colonne de la liste</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Lettre %1</translation>
    </message>
    <message>
        <source>the list has no column that fills a placeholder</source>
        <translation>la liste n&apos;a aucune colonne qui remplisse une balise</translation>
    </message>
    <message>
        <source>the list&apos;s columns: %1</source>
        <translation>les colonnes de la liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>--columns &quot;%1&quot;: neither the letter nor the name pattern uses [%2], so the column would fill nothing.</source>
        <translation>--columns «&#xa0;%1&#xa0;»&#xa0;: ni la lettre ni le modèle de nom n&apos;utilise [%2]&#xa0;; la colonne ne remplirait donc rien.</translation>
    </message>
    <message>
        <source>%1 would be empty in every letter: your own words use it, and no column of the list fills it (%2). Add the column, map one to it with --columns &quot;COLUMN=%3&quot;, or let it be empty with --allow-empty %3.</source>
        <translation>%1 serait vide dans chaque lettre&#xa0;: vos propres mots l&apos;utilisent, et aucune colonne de la liste ne le remplit (%2). Ajoutez la colonne, associez-en une avec --columns «&#xa0;COLONNE=%3&#xa0;», ou laissez-le vide avec --allow-empty %3.</translation>
    </message>
    <message>
        <source>%1 would be empty in every letter: your own words use them, and no column of the list fills them (%2). Add the columns, map them with --columns, or let them be empty with --allow-empty %3.</source>
        <translation>%1 seraient vides dans chaque lettre&#xa0;: vos propres mots les utilisent, et aucune colonne de la liste ne les remplit (%2). Ajoutez les colonnes, associez-les avec --columns, ou laissez-les vides avec --allow-empty %3.</translation>
    </message>
    <message>
        <source>The letter&apos;s %1 would stand as written in every letter: no column of the list fills it and nothing is stored for it (%2). Add the column, or let it be empty with --allow-empty %3.</source>
        <translation>Le %1 de la lettre resterait tel quel dans chaque lettre&#xa0;: aucune colonne de la liste ne le remplit et rien n&apos;est enregistré pour lui (%2). Ajoutez la colonne, ou laissez-le vide avec --allow-empty %3.</translation>
    </message>
    <message>
        <source>The letter&apos;s %1 would stand as written in every letter: no column of the list fills them and nothing is stored for them (%2). Add the columns, or let them be empty with --allow-empty %3.</source>
        <translation>Les %1 de la lettre resteraient tels quels dans chaque lettre&#xa0;: aucune colonne de la liste ne les remplit et rien n&apos;est enregistré pour eux (%2). Ajoutez les colonnes, ou laissez-les vides avec --allow-empty %3.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter: the list has no column for it and nothing is stored for it.</source>
        <translation>%1 sera vide dans chaque lettre&#xa0;: la liste n&apos;a pas de colonne pour lui et rien n&apos;est enregistré pour lui.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter: the list has no column for them and nothing is stored for them.</source>
        <translation>%1 seront vides dans chaque lettre&#xa0;: la liste n&apos;a pas de colonne pour eux et rien n&apos;est enregistré pour eux.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter (--allow-empty): nothing fills it.</source>
        <translation>%1 sera vide dans chaque lettre (--allow-empty)&#xa0;: rien ne le remplit.</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter (--allow-empty): nothing fills them.</source>
        <translation>%1 seront vides dans chaque lettre (--allow-empty)&#xa0;: rien ne les remplit.</translation>
    </message>
    <message>
        <source>Column %1 fills nothing: the letter has no such placeholder and the name pattern does not use it.</source>
        <translation>La colonne %1 ne remplit rien&#xa0;: la lettre n&apos;a pas de telle balise et le modèle de nom ne l&apos;utilise pas.</translation>
    </message>
    <message>
        <source>Columns %1 fill nothing: the letter has no such placeholders and the name pattern uses none of them.</source>
        <translation>Les colonnes %1 ne remplissent rien&#xa0;: la lettre n&apos;a pas de telles balises et le modèle de nom n&apos;en utilise aucune.</translation>
    </message>
    <message>
        <source>[%1] is &quot;%2&quot; in every letter, from More Fields, while the list&apos;s column %3 fills nothing (--columns &quot;%4=%1&quot; fills it from the list).</source>
        <translation>[%1] vaut «&#xa0;%2&#xa0;» dans chaque lettre, depuis les champs supplémentaires, alors que la colonne %3 de la liste ne remplit rien (--columns «&#xa0;%4=%1&#xa0;» le remplit depuis la liste).</translation>
    </message>
    <message>
        <source>[%1] is &quot;%2&quot; in every letter, from More Fields, while the list&apos;s columns %3 fill nothing (--columns &quot;%4=%1&quot; fills it from one).</source>
        <translation>[%1] vaut «&#xa0;%2&#xa0;» dans chaque lettre, depuis les champs supplémentaires, alors que les colonnes %3 de la liste ne remplissent rien (--columns «&#xa0;%4=%1&#xa0;» le remplit depuis l&apos;une d&apos;elles).</translation>
    </message>
    <message>
        <source>The list %1 %2.</source>
        <translation>La liste %1 %2.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>is an empty file, not a spreadsheet</source>
        <translation>est un fichier vide, pas un classeur</translation>
    </message>
    <message>
        <source>Cannot write in the scratch folder %1: %2</source>
        <translation>Impossible d&apos;écrire dans le dossier temporaire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read the list %1: %2</source>
        <translation>Impossible de lire la liste %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read the list %1: the office did not write its sheet &quot;%2&quot; (%3)</source>
        <translation>Impossible de lire la liste %1&#xa0;: la suite bureautique n&apos;a pas écrit sa feuille «&#xa0;%2&#xa0;» (%3)</translation>
    </message>
    <message>
        <source>[%1] has no value</source>
        <translation>[%1] n&apos;a pas de valeur</translation>
    </message>
    <message>
        <source>[%1] is empty</source>
        <translation>[%1] est vide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and %2 more words may be misspelled</source>
        <translation>«&#xa0;%1&#xa0;» et %2 autres mots sont peut-être mal orthographiés</translation>
    </message>
    <message>
        <source>&apos;%1&apos; may be misspelled</source>
        <translation>«&#xa0;%1&#xa0;» est peut-être mal orthographié</translation>
    </message>
    <message>
        <source>the letter&apos;s body is still the sample text</source>
        <translation>le corps de la lettre est encore le texte d&apos;exemple</translation>
    </message>
    <message>
        <source>Your Name is empty</source>
        <translation>Votre nom est vide</translation>
    </message>
    <message>
        <source>Recipient Company Name is empty</source>
        <translation>L&apos;entreprise du destinataire est vide</translation>
    </message>
    <message>
        <source>The built-in letter template is missing from the program</source>
        <translation>Le modèle de lettre intégré est absent du programme</translation>
    </message>
    <message>
        <source>No letter was made. Put the file right, choose another one with Letter &gt; Use My Own Template…, or go back to Letter &gt; Built-in Letter.</source>
        <translation>Aucune lettre n&apos;a été créée. Corrigez le fichier, choisissez-en un autre avec Lettre &gt; Utiliser mon propre modèle…, ou revenez à Lettre &gt; Lettre intégrée.</translation>
    </message>
    <message>
        <source>Your letter template %1 %2

%3</source>
        <translation>Votre modèle de lettre %1 %2

%3</translation>
    </message>
    <message>
        <source>Letter templates (*.doc *.docx *.dot *.dotx *.odt *.ott *.rtf)</source>
        <translation>Modèles de lettre (*.doc *.docx *.dot *.dotx *.odt *.ott *.rtf)</translation>
    </message>
    <message>
        <source>Word documents and templates (*.doc *.docx *.dot *.dotx)</source>
        <translation>Documents et modèles Word (*.doc *.docx *.dot *.dotx)</translation>
    </message>
    <message>
        <source>OpenDocument texts and templates (*.odt *.ott)</source>
        <translation>Textes et modèles OpenDocument (*.odt *.ott)</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Format RTF (*.rtf)</translation>
    </message>
    <message>
        <source>is gone: it may have been moved, renamed or deleted.</source>
        <translation>a disparu&#xa0;: il a peut-être été déplacé, renommé ou supprimé.</translation>
    </message>
    <message>
        <source>: no letter template is that large.</source>
        <translation>: aucun modèle de lettre n&apos;est aussi volumineux.</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>is an empty file, not a document.</source>
        <translation>est un fichier vide, pas un document.</translation>
    </message>
    <message>
        <source>Cannot replace the old template copy %1</source>
        <translation>Impossible de remplacer l&apos;ancienne copie du modèle %1</translation>
    </message>
    <message>
        <source>is protected by a password. Save a copy of it without the password and choose that one.</source>
        <translation>est protégé par un mot de passe. Enregistrez-en une copie sans mot de passe et choisissez celle-ci.</translation>
    </message>
    <message>
        <source>is not a document the word processor can open. Letter templates are Word (.doc, .docx, .dot, .dotx), OpenDocument (.odt, .ott) or RTF files.</source>
        <translation>n&apos;est pas un document que le traitement de texte sait ouvrir. Les modèles de lettre sont des fichiers Word (.doc, .docx, .dot, .dotx), OpenDocument (.odt, .ott) ou RTF.</translation>
    </message>
    <message>
        <source>is too large or too slow to open: the word processor did not finish reading it within %1 seconds.</source>
        <translation>est trop volumineux ou trop lent à ouvrir&#xa0;: le traitement de texte n&apos;a pas fini de le lire en %1 secondes.</translation>
    </message>
    <message>
        <source>is too large or too complex to fill in (tables nested very deep, say): the word processor did not finish within %1 seconds.</source>
        <translation>est trop volumineux ou trop complexe à remplir (des tableaux imbriqués très profondément, par exemple)&#xa0;: le traitement de texte n&apos;a pas terminé en %1 secondes.</translation>
    </message>
    <message>
        <source>Your letter template %1 holds none of the placeholders, such as [YourName] or [CompanyName], so none of your entries are in the letter. It was made all the same.

Help &gt; Placeholders… lists them all.</source>
        <translation>Votre modèle de lettre %1 ne contient aucune des balises, comme [YourName] ou [CompanyName]&#xa0;: aucune de vos saisies ne figure donc dans la lettre. Elle a été créée malgré tout.

Aide &gt; Balises… les liste toutes.</translation>
    </message>
    <message>
        <source>Your letter text %1 cannot be read: %2.

The letter has the built-in text instead. Letter &gt; Edit Letter Text… writes your text anew.</source>
        <translation>Le texte de votre lettre %1 ne peut pas être lu&#xa0;: %2.

La lettre contient le texte intégré à la place. Lettre &gt; Modifier le texte de la lettre… réécrit votre texte.</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>c&apos;est un lien vers un fichier qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>it %1</source>
        <translation>il %1</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>Cannot write %1: its folder cannot be made</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Cannot write %1: the picture cannot be encoded</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: l&apos;image ne peut pas être encodée</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>il fait plus de 1 Mo</translation>
    </message>
    <message>
        <source>Spelling is not checked: no %1 dictionary is installed (the package %2 has one).</source>
        <translation>L&apos;orthographe n&apos;est pas vérifiée&#xa0;: aucun dictionnaire %1 n&apos;est installé (le paquet %2 en contient un).</translation>
    </message>
    <message>
        <source>Cannot add “%1” to your word list %2: %3.</source>
        <translation>Impossible d&apos;ajouter «&#xa0;%1&#xa0;» à votre liste de mots %2&#xa0;: %3.</translation>
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
        <translation>Aucun document n&apos;est ouvert dans la suite bureautique</translation>
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
        <translation>Impossible d&apos;ouvrir %1&#xa0;: fichier introuvable</translation>
    </message>
    <message>
        <source>Cannot open %1: it is protected by a password</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: il est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>Cannot open %1: the office cannot read it</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: la suite bureautique ne sait pas le lire</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Open %1</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not a text document</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: ce n&apos;est pas un document texte</translation>
    </message>
    <message>
        <source>ReplaceBody</source>
        <translation>ReplaceBody</translation>
    </message>
    <message>
        <source>The letter has no body between a greeting and a closing</source>
        <translation>La lettre n&apos;a pas de corps entre une formule d&apos;appel et une formule de politesse</translation>
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
        <translation>La forme ne contient aucun texte</translation>
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
        <translation>La suite bureautique ne peut pas continuer&#xa0;: le document est fermé</translation>
    </message>
    <message>
        <source>The office cannot go on: it has been ended</source>
        <translation>La suite bureautique ne peut pas continuer&#xa0;: elle a été arrêtée</translation>
    </message>
    <message>
        <source>The letter has no page %1</source>
        <translation>La lettre n&apos;a pas de page %1</translation>
    </message>
    <message>
        <source>The office made no picture of page %1</source>
        <translation>La suite bureautique n&apos;a produit aucune image de la page %1</translation>
    </message>
    <message>
        <source>The template must be opened afresh before it is filled again</source>
        <translation>Le modèle doit être rouvert avant d&apos;être rempli de nouveau</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Wildcards, sounds-like and word-form matching are not available in a search</source>
        <translation>Les caractères génériques, la recherche phonétique et la recherche de formes de mots ne sont pas disponibles dans une recherche</translation>
    </message>
    <message>
        <source>has no sheet named &quot;%1&quot;; its sheets are %2</source>
        <translation>n&apos;a pas de feuille nommée «&#xa0;%1&#xa0;»&#xa0;; ses feuilles sont %2</translation>
    </message>
    <message>
        <source>has nothing in sheet &quot;%1&quot;</source>
        <translation>n&apos;a rien dans la feuille «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>has an empty first row in sheet &quot;%1&quot;: the first row must name the columns</source>
        <translation>a une première ligne vide dans la feuille «&#xa0;%1&#xa0;»&#xa0;: la première ligne doit nommer les colonnes</translation>
    </message>
    <message>
        <source>has merged cells (%1) in the first row of sheet &quot;%2&quot;: each column needs its name in a cell of its own</source>
        <translation>a des cellules fusionnées (%1) dans la première ligne de la feuille «&#xa0;%2&#xa0;»&#xa0;: chaque colonne doit avoir son nom dans sa propre cellule</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>Impossible d&apos;écrire dans le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Sheet as CSV %1</source>
        <translation>Sheet as CSV %1</translation>
    </message>
    <message>
        <source>is protected by a password; save it without one first</source>
        <translation>est protégé par un mot de passe&#xa0;; enregistrez-le d&apos;abord sans mot de passe</translation>
    </message>
    <message>
        <source>cannot be read as a spreadsheet: it may be damaged, or another kind of file</source>
        <translation>ne peut pas être lu comme un classeur&#xa0;: il est peut-être endommagé, ou d&apos;un autre type</translation>
    </message>
    <message>
        <source>is not a spreadsheet (the office reads it as another kind of document)</source>
        <translation>n&apos;est pas un classeur (la suite bureautique le lit comme un autre type de document)</translation>
    </message>
    <message>
        <source>The office did not write the sheet &quot;%1&quot; as CSV</source>
        <translation>La suite bureautique n&apos;a pas écrit la feuille «&#xa0;%1&#xa0;» au format CSV</translation>
    </message>
    <message>
        <source>%1 is not a valid path</source>
        <translation>%1 n&apos;est pas un chemin valide</translation>
    </message>
    <message>
        <source>The office could not be started: %1</source>
        <translation>La suite bureautique n&apos;a pas pu être démarrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The office did not answer within %1 seconds and has been stopped</source>
        <translation>La suite bureautique n&apos;a pas répondu en %1 secondes et a été arrêtée</translation>
    </message>
    <message>
        <source>Cannot connect to the office: %1</source>
        <translation>Impossible de se connecter à la suite bureautique&#xa0;: %1</translation>
    </message>
    <message>
        <source>The office did not answer within %1 seconds</source>
        <translation>La suite bureautique n&apos;a pas répondu en %1 secondes</translation>
    </message>
    <message>
        <source>The office runs without its jail on this computer (bubblewrap is missing or not allowed): only its settings keep a template&apos;s links from your files and the network. Installing bubblewrap (package &quot;bubblewrap&quot;) puts it in its jail.</source>
        <translation>La suite bureautique fonctionne sans son bac à sable sur cet ordinateur (bubblewrap est absent ou non autorisé)&#xa0;: seuls ses paramètres empêchent les liens d&apos;un modèle d&apos;atteindre vos fichiers et le réseau. L&apos;installation de bubblewrap (paquet «&#xa0;bubblewrap&#xa0;») la place dans son bac à sable.</translation>
    </message>
    <message>
        <source>No letter is made: the office cannot run in its jail on this computer (bubblewrap is missing or not allowed), and RequireJail asks for it. Install bubblewrap (package &quot;bubblewrap&quot;), or set RequireJail=false to let the office run without it.</source>
        <translation>Aucune lettre n&apos;est créée&#xa0;: la suite bureautique ne peut pas fonctionner dans son bac à sable sur cet ordinateur (bubblewrap est absent ou non autorisé), et RequireJail l&apos;exige. Installez bubblewrap (paquet «&#xa0;bubblewrap&#xa0;»), ou définissez RequireJail=false pour la laisser fonctionner sans.</translation>
    </message>
    <message>
        <source>The office did not start within %1 seconds and has been stopped</source>
        <translation>La suite bureautique n&apos;a pas démarré en %1 secondes et a été arrêtée</translation>
    </message>
    <message>
        <source>The office was not needed any more</source>
        <translation>La suite bureautique n&apos;était plus nécessaire</translation>
    </message>
    <message>
        <source>No LibreOffice installation was found.</source>
        <translation>Aucune installation de LibreOffice n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>the office program could not be run: %1</source>
        <translation>le programme de la suite bureautique n&apos;a pas pu être lancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the office process crashed</source>
        <translation>le processus de la suite bureautique a planté</translation>
    </message>
    <message>
        <source>the office process ended with code %1</source>
        <translation>le processus de la suite bureautique s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>Cannot create a profile folder for the office: %1</source>
        <translation>Impossible de créer un dossier de profil pour la suite bureautique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot reach the office&apos;s connection in %1</source>
        <translation>Impossible d&apos;atteindre la connexion de la suite bureautique dans %1</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>Impossible de démarrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create the office&apos;s settings folder %1</source>
        <translation>Impossible de créer le dossier de paramètres de la suite bureautique %1</translation>
    </message>
    <message>
        <source>The office is no longer running</source>
        <translation>La suite bureautique ne fonctionne plus</translation>
    </message>
    <message>
        <source>it gave no reason</source>
        <translation>elle n&apos;a donné aucune raison</translation>
    </message>
    <message>
        <source>The office could not go on: %1</source>
        <translation>La suite bureautique n&apos;a pas pu continuer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export as Word 97-2003 (.doc)</source>
        <translation>Exporter au format Word 97-2003 (.doc)</translation>
    </message>
    <message>
        <source>Export as Word 2007-365 (.docx)</source>
        <translation>Exporter au format Word 2007-365 (.docx)</translation>
    </message>
    <message>
        <source>Export as OpenDocument (.odt)</source>
        <translation>Exporter au format OpenDocument (.odt)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter au format PDF</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment remplacer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Exporting the letter to %1…</source>
        <translation>Exportation de la lettre vers %1…</translation>
    </message>
    <message>
        <source>The letter could not be exported to %1.</source>
        <translation>La lettre n&apos;a pas pu être exportée vers %1.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Printing the letter…</source>
        <translation>Impression de la lettre…</translation>
    </message>
    <message>
        <source>The letter could not be printed.</source>
        <translation>La lettre n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>Printing the letter to %1…</source>
        <translation>Impression de la lettre dans %1…</translation>
    </message>
    <message>
        <source>The letter could not be printed to %1.</source>
        <translation>La lettre n&apos;a pas pu être imprimée dans %1.</translation>
    </message>
    <message>
        <source>The office wrote no complete %1 file</source>
        <translation>La suite bureautique n&apos;a écrit aucun fichier %1 complet</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Fichiers Word (*.doc)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Scrolls where the screen is too small for the window</source>
        <translation>Défile là où l&apos;écran est trop petit pour la fenêtre</translation>
    </message>
    <message>
        <source>Contents, up and down</source>
        <translation>Contenu, défilement vertical</translation>
    </message>
    <message>
        <source>Scrolls the window&apos;s contents up and down</source>
        <translation>Fait défiler le contenu de la fenêtre vers le haut et vers le bas</translation>
    </message>
    <message>
        <source>Contents, sideways</source>
        <translation>Contenu, défilement horizontal</translation>
    </message>
    <message>
        <source>Scrolls the window&apos;s contents sideways</source>
        <translation>Fait défiler le contenu de la fenêtre sur le côté</translation>
    </message>
    <message>
        <source>The application icon is missing from the program</source>
        <translation>L&apos;icône de l&apos;application est absente du programme</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Impossible de charger %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot load %1: not a cursor file</source>
        <translation>Impossible de charger %1&#xa0;: ce n&apos;est pas un fichier de curseur</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>your City</source>
        <translation>votre ville</translation>
    </message>
    <message>
        <source>the recipient&apos;s Zip Code</source>
        <translation>le code postal du destinataire</translation>
    </message>
    <message>
        <source>the recipient&apos;s State</source>
        <translation>l&apos;État du destinataire</translation>
    </message>
    <message>
        <source>the recipient&apos;s Street Address</source>
        <translation>l&apos;adresse du destinataire</translation>
    </message>
    <message>
        <source>the recipient&apos;s City</source>
        <translation>la ville du destinataire</translation>
    </message>
    <message>
        <source>your Street Address</source>
        <translation>votre adresse</translation>
    </message>
    <message>
        <source>the Recipient Name</source>
        <translation>le nom du destinataire</translation>
    </message>
    <message>
        <source>your State</source>
        <translation>votre État</translation>
    </message>
    <message>
        <source>your Zip Code</source>
        <translation>votre code postal</translation>
    </message>
    <message>
        <source>the recipient&apos;s Title</source>
        <translation>la fonction du destinataire</translation>
    </message>
    <message>
        <source>the Company Name</source>
        <translation>le nom de l&apos;entreprise</translation>
    </message>
    <message>
        <source>the date of the letter, such as &quot;March 3, 2026&quot;</source>
        <translation>la date de la lettre, par exemple «&#xa0;3 mars 2026&#xa0;»</translation>
    </message>
    <message>
        <source>Your Phone, set in Letter &gt; Edit Letter Text…</source>
        <translation>Votre téléphone, indiqué dans Lettre &gt; Modifier le texte de la lettre…</translation>
    </message>
    <message>
        <source>Your E-mail, set in Letter &gt; Edit Letter Text…</source>
        <translation>Votre e-mail, indiqué dans Lettre &gt; Modifier le texte de la lettre…</translation>
    </message>
    <message>
        <source>Your Country, set in Letter &gt; Edit Letter Text…</source>
        <translation>Votre pays, indiqué dans Lettre &gt; Modifier le texte de la lettre…</translation>
    </message>
    <message>
        <source>The Recipient&apos;s Country, set in Letter &gt; Edit Letter Text…</source>
        <translation>Le pays du destinataire, indiqué dans Lettre &gt; Modifier le texte de la lettre…</translation>
    </message>
    <message>
        <source>A letter template holds placeholders, which are filled with your entries:</source>
        <translation>Un modèle de lettre contient des balises, qui sont remplies avec vos saisies&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;p&gt;A placeholder is the name in square brackets, as listed, in any letter case: [yourname] and [YOURNAME] are filled too. It is filled wherever it stands: in the body, headers, footers, tables and text boxes, even when part of it is formatted differently. Each placeholder ends with its bracket, so [City] never matches inside [City2]. An empty field leaves its placeholder empty; text around it stays as you wrote it. An empty Recipient Name is filled as &quot;Hiring Manager&quot; (in a French, German, Spanish or Japanese letter, that language&apos;s words), so the letter reads &quot;Dear Hiring Manager:&quot;.&lt;/p&gt;&lt;p&gt;In a list of letters (tessaline --batch), a column of any other name fills the placeholder of that name: a column &quot;Position&quot; fills [Position]. In the window, Letter &amp;gt; More Fields… gives such a placeholder its value.&lt;/p&gt;&lt;p&gt;To put the built-in letter in your own words, choose Letter &amp;gt; Edit Letter Text…; placeholders work there too. For a letter laid out your own way, choose Letter &amp;gt; Save Built-in Letter As…, change the text around the placeholders in your word processor, and choose the file with Letter &amp;gt; Use My Own Template….&lt;/p&gt;</source>
        <translation>&lt;p&gt;Une balise est le nom entre crochets, tel qu&apos;indiqué, en majuscules ou minuscules&#xa0;: [yourname] et [YOURNAME] sont remplies aussi. Elle est remplie où qu&apos;elle se trouve&#xa0;: dans le corps, les en-têtes, les pieds de page, les tableaux et les zones de texte, même quand une partie est mise en forme différemment. Chaque balise se termine par son crochet&#xa0;: [City] n&apos;est donc jamais reconnue à l&apos;intérieur de [City2]. Un champ vide laisse sa balise vide&#xa0;; le texte autour reste tel que vous l&apos;avez écrit. Un nom de destinataire vide est rempli par «&#xa0;Hiring Manager&#xa0;» (dans une lettre en français, allemand, espagnol ou japonais, par les mots de cette langue)&#xa0;: la lettre commence alors par «&#xa0;Dear Hiring Manager:&#xa0;».&lt;/p&gt;&lt;p&gt;Dans une liste de lettres (tessaline --batch), une colonne de tout autre nom remplit la balise de ce nom&#xa0;: une colonne «&#xa0;Position&#xa0;» remplit [Position]. Dans la fenêtre, Lettre &amp;gt; Champs supplémentaires… donne sa valeur à une telle balise.&lt;/p&gt;&lt;p&gt;Pour écrire la lettre intégrée avec vos propres mots, choisissez Lettre &amp;gt; Modifier le texte de la lettre…&#xa0;; les balises y fonctionnent aussi. Pour une lettre mise en page à votre façon, choisissez Lettre &amp;gt; Enregistrer la lettre intégrée sous…, modifiez le texte autour des balises dans votre traitement de texte, puis choisissez le fichier avec Lettre &amp;gt; Utiliser mon propre modèle….&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LibreOffice (its version is still being asked)</source>
        <translation>LibreOffice (sa version est en cours de demande)</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>aucun trouvé</translation>
    </message>
    <message>
        <source>%1 %2
Cover letters from twelve short fields.

Word processor: %3
Settings: %4
Scratch files: %5</source>
        <translation>%1 %2
Des lettres de motivation à partir de douze champs courts.

Traitement de texte&#xa0;: %3
Paramètres&#xa0;: %4
Fichiers temporaires&#xa0;: %5</translation>
    </message>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>Erreur 842001. Impossible de créer une instance normale de Word.</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. Vérifiez que Word est installé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Ouvrez Word normalement et vérifiez qu&apos;un document vierge s&apos;ouvre immédiatement, sans aucune fenêtre qui l&apos;interrompe (comme une fenêtre de récupération de fichiers Word).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. Vérifiez qu&apos;un double-clic sur un fichier DOC ou DOCX ouvre Word normalement, sans aucun message qui l&apos;interrompe.</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. Toutes les versions de Word sont prises en charge par ce logiciel, à l&apos;exception des rares éditions Word Starter et Étudiant.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison&#xa0;: %1</translation>
    </message>
    <message>
        <source>The skin component has no member %1</source>
        <translation>Le composant d&apos;habillage n&apos;a pas de membre %1</translation>
    </message>
    <message>
        <source>LoadSkin needs the skin file&apos;s path</source>
        <translation>LoadSkin a besoin du chemin du fichier d&apos;habillage</translation>
    </message>
    <message>
        <source>The skin is locked: it has been applied already</source>
        <translation>L&apos;habillage est verrouillé&#xa0;: il a déjà été appliqué</translation>
    </message>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>Impossible de charger l&apos;habillage %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>ApplyWindow needs a window handle</source>
        <translation>ApplyWindow a besoin d&apos;un identifiant de fenêtre</translation>
    </message>
    <message>
        <source>ApplyWindow: no window has the handle %1</source>
        <translation>ApplyWindow&#xa0;: aucune fenêtre n&apos;a l&apos;identifiant %1</translation>
    </message>
    <message>
        <source>%1 letters/s</source>
        <translation>%1&#xa0;lettres/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>reste %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already exists; --force replaces it.</source>
        <translation>%1 existe déjà&#xa0;; --force le remplace.</translation>
    </message>
    <message>
        <source>%1 is not written: the run stopped.</source>
        <translation>%1 n&apos;est pas écrit&#xa0;: l&apos;exécution s&apos;est arrêtée.</translation>
    </message>
    <message>
        <source>%1 is not written: no letter was made.</source>
        <translation>%1 n&apos;est pas écrit&#xa0;: aucune lettre n&apos;a été créée.</translation>
    </message>
    <message>
        <source>%1 is not written: no office is left to write it.</source>
        <translation>%1 n&apos;est pas écrit&#xa0;: il ne reste aucune suite bureautique pour l&apos;écrire.</translation>
    </message>
    <message>
        <source>%1 is not written: %2</source>
        <translation>%1 n&apos;est pas écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Written %1.</source>
        <translation>%1 écrit.</translation>
    </message>
    <message>
        <source>Written %1, without the rows that made no letter (list lines: %2).</source>
        <translation>%1 écrit, sans les lignes qui n&apos;ont donné aucune lettre (lignes de la liste&#xa0;: %2).</translation>
    </message>
    <message>
        <source>it appeared while the run wrote it, and is kept (--force replaces it)</source>
        <translation>un fichier de ce nom est apparu pendant que l&apos;exécution l&apos;écrivait&#xa0;; il est conservé (--force le remplace)</translation>
    </message>
    <message>
        <source>into %1</source>
        <translation>dans %1</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Recipient</source>
        <translation>Destinataire</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>imprimée</translation>
    </message>
    <message>
        <source>The record of letters cannot be read: %1.</source>
        <translation>Le registre des lettres ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No letter is in the record yet.</source>
        <translation>Le registre ne contient encore aucune lettre.</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a record of letters</source>
        <translation>%1 est endommagé ou n&apos;est pas un registre de lettres</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full (%2)</source>
        <translation>le disque qui contient %1 est plein (%2)</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation>le disque qui contient %1 est plein</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 ne peut pas être écrit</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>The letter was written, but the record of letters could not be kept: %1.</source>
        <translation>La lettre a été écrite, mais elle n&apos;a pas pu être inscrite au registre des lettres&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing</source>
        <translation>le pilote SQLite de Qt est absent</translation>
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
        <translation>La lettre à joindre à l&apos;e-mail n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>Writing the letter for the e-mail…</source>
        <translation>Écriture de la lettre à joindre à l&apos;e-mail…</translation>
    </message>
    <message>
        <source>What the question is about</source>
        <translation>L&apos;objet de la question</translation>
    </message>
    <message>
        <source>%1 names, for a picture, what is not one (%2): the letter is made without it.</source>
        <translation>%1 désigne comme image ce qui n&apos;en est pas une (%2) : la lettre est faite sans elle.</translation>
    </message>
    <message>
        <source>The signature picture %1 does not exist.</source>
        <translation>L&apos;image de signature %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The signature picture %1 is not a file.</source>
        <translation>L&apos;image de signature %1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The signature picture %1 is larger than %2 MB; save it smaller and choose it again.</source>
        <translation>L&apos;image de signature %1 fait plus de %2 Mo&#xa0;; enregistrez-en une version plus légère et choisissez-la de nouveau.</translation>
    </message>
    <message>
        <source>The signature picture %1 cannot be read.</source>
        <translation>L&apos;image de signature %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The signature picture %1 is not a PNG, JPEG or SVG picture.</source>
        <translation>L&apos;image de signature %1 n&apos;est pas une image PNG, JPEG ou SVG.</translation>
    </message>
    <message>
        <source>Cannot copy the signature picture %1 to the temporary folder</source>
        <translation>Impossible de copier l&apos;image de signature %1 dans le dossier temporaire</translation>
    </message>
    <message>
        <source>PlacePicture</source>
        <translation>PlacePicture</translation>
    </message>
    <message>
        <source>The office cannot tell the size of the picture</source>
        <translation>La suite bureautique ne peut pas déterminer la taille de l&apos;image</translation>
    </message>
    <message>
        <source>PlacePicture %1</source>
        <translation>PlacePicture %1</translation>
    </message>
    <message>
        <source>The office cannot read the picture %1</source>
        <translation>La suite bureautique ne peut pas lire l&apos;image %1</translation>
    </message>
    <message>
        <source>Your signature picture, chosen in Letter &gt; Edit Letter Text… (else nothing)</source>
        <translation>L&apos;image de votre signature, choisie dans Lettre &gt; Modifier le texte de la lettre… (sinon rien)</translation>
    </message>
    <message>
        <source>--design: the template %1 keeps its own looks.</source>
        <translation>--design : le modèle %1 garde sa propre présentation.</translation>
    </message>
    <message>
        <source>Your Web Page, set in Letter &gt; Edit Letter Text…</source>
        <translation>Votre page web, indiquée dans Lettre &gt; Modifier le texte de la lettre…</translation>
    </message>
</context>
<context>
    <name>ScreenFit</name>
    <message>
        <source>Window Contents</source>
        <translation>Contenu de la fenêtre</translation>
    </message>
    <message>
        <source>The window&apos;s controls, which scroll where the screen is too small</source>
        <translation>Les contrôles de la fenêtre, qui défilent là où l&apos;écran est trop petit</translation>
    </message>
    <message>
        <source>Window Vertical Scroll</source>
        <translation>Défilement vertical de la fenêtre</translation>
    </message>
    <message>
        <source>Moves the window&apos;s controls up and down</source>
        <translation>Déplace les contrôles de la fenêtre vers le haut et vers le bas</translation>
    </message>
    <message>
        <source>Window Horizontal Scroll</source>
        <translation>Défilement horizontal de la fenêtre</translation>
    </message>
    <message>
        <source>Moves the window&apos;s controls left and right</source>
        <translation>Déplace les contrôles de la fenêtre vers la gauche et vers la droite</translation>
    </message>
</context>
<context>
    <name>StatusDelegate</name>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
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
        <translation>Écrit des lettres de motivation. Sans option, ouvre la fenêtre&#xa0;; avec --batch, écrit une lettre par ligne d&apos;une liste (CSV, ou la première feuille d&apos;un fichier .xlsx ou .ods), sans fenêtre.

La première ligne de la liste nomme les colonnes par balise, avec ou sans crochets, sans tenir compte de la casse, des espaces, des traits de soulignement ni des traits d&apos;union («&#xa0;Company Name&#xa0;» remplit [CompanyName])&#xa0;: YourName, StreetAddress, City, ST, ZIPCode, RecipientName, Title, CompanyName, StreetAddress2, City2, ST2, ZIPCode2, CurrentDate, Phone, Email&#xa0;; ou par les noms que l&apos;on donne à ces colonnes, en anglais, français, allemand, espagnol ou japonais (ci-dessous)&#xa0;; une colonne de tout autre nom remplit la balise de ce nom ([Position] depuis une colonne Position), et --columns associe n&apos;importe quelle colonne à la main. Une colonne d&apos;adresse dont le nom ne dit pas à qui appartient l&apos;adresse («&#xa0;City&#xa0;», «&#xa0;PLZ&#xa0;») est celle du destinataire, sauf si la liste a aussi la colonne propre au destinataire («&#xa0;City2&#xa0;»)&#xa0;; une ligne le signale avant la première lettre, et une autre quand des colonnes remplissent vos propres champs à la place de ce que la fenêtre a enregistré. Ses champs sont séparés par des virgules, des points-virgules ou des tabulations, selon ce que sa première ligne contient le plus. Vos propres champs (YourName, StreetAddress, City, ST, ZIPCode), Phone, Email et les valeurs des champs supplémentaires, quand la liste n&apos;a pas de colonne pour eux, sont pris dans les paramètres de la fenêtre&#xa0;; un champ du destinataire sans colonne dans la liste est vide. Sans colonne CurrentDate, la date est celle du jour. Une ligne dont tous les champs sont vides est ignorée&#xa0;; une ligne dont le nom de fichier serait vide est nommée «&#xa0;Letter&#xa0;» suivi de son numéro de ligne.

Avant la première lettre, le lot vérifie la lettre&#xa0;: une balise que rien ne remplit l&apos;arrête, en nommant la balise et les colonnes de la liste, de même que l&apos;un des douze champs qu&apos;utilisent vos propres mots (le texte de la lettre, la formule d&apos;appel, la formule de politesse, la mention des pièces jointes ou votre modèle) et qui serait vide dans chaque lettre, sauf si --allow-empty l&apos;autorise à être vide&#xa0;; sont signalés les balises vides dans chaque lettre, les colonnes qui ne remplissent rien, une valeur des champs supplémentaires qui remplit une balise dans chaque lettre alors qu&apos;une colonne ne remplit rien, et les mots du texte de votre lettre qui sont peut-être mal orthographiés.

Les noms de colonnes reconnus&#xa0;:
%1

Le résumé va sur la sortie standard&#xa0;; la progression et le compte rendu de chaque ligne, sur la sortie d&apos;erreur.

Code de retour&#xa0;: 0 quand aucune ligne n&apos;a échoué (une ligne ignorée parce que sa lettre existe compte comme faite), 1 quand une ligne a échoué (ou que --strict a trouvé un avertissement), 2 pour une ligne de commande, une liste ou un modèle incorrects ou une balise que rien ne remplit, 130 en cas d&apos;interruption.</translation>
    </message>
    <message>
        <source>Write one letter per row of &lt;list&gt;: a CSV file, or an .xlsx or .ods spreadsheet.</source>
        <translation>Écrire une lettre par ligne de &lt;list&gt;&#xa0;: un fichier CSV, ou un classeur .xlsx ou .ods.</translation>
    </message>
    <message>
        <source>Write the letters into &lt;folder&gt; (made when missing).</source>
        <translation>Écrire les lettres dans &lt;folder&gt; (créé s&apos;il n&apos;existe pas).</translation>
    </message>
    <message>
        <source>Fill &lt;file&gt; rather than the template chosen in the window (or the built-in one).</source>
        <translation>Remplir &lt;file&gt; au lieu du modèle choisi dans la fenêtre (ou du modèle intégré).</translation>
    </message>
    <message>
        <source>Write each letter as &lt;format&gt;: %1 (default doc; give it more than once for several).</source>
        <translation>Écrire chaque lettre au format &lt;format&gt;&#xa0;: %1 (doc par défaut&#xa0;; à donner plusieurs fois pour plusieurs formats).</translation>
    </message>
    <message>
        <source>Name each file after &lt;pattern&gt; (default &quot;%1&quot;); characters that cannot stand in a file name become &quot;_&quot;.</source>
        <translation>Nommer chaque fichier d&apos;après &lt;pattern&gt; (par défaut «&#xa0;%1&#xa0;»)&#xa0;; les caractères interdits dans un nom de fichier deviennent «&#xa0;_&#xa0;».</translation>
    </message>
    <message>
        <source>Run &lt;n&gt; office processes at once (default: one, and one more per %1 letters up to the number of cores, %2 here).</source>
        <translation>Faire tourner &lt;n&gt; processus de la suite bureautique à la fois (par défaut&#xa0;: un, plus un par tranche de %1 lettres, jusqu&apos;au nombre de cœurs, %2 ici).</translation>
    </message>
    <message>
        <source>Replace existing files, keeping their permissions (a read-only file is never replaced); without it an existing file is never touched and its row is reported as skipped.</source>
        <translation>Remplacer les fichiers existants en gardant leurs permissions (un fichier en lecture seule n&apos;est jamais remplacé)&#xa0;; sans cette option, un fichier existant n&apos;est jamais touché et sa ligne est signalée comme ignorée.</translation>
    </message>
    <message>
        <source>The list&apos;s fields are separated by &lt;separator&gt;: &quot;,&quot;, &quot;;&quot; or &quot;tab&quot; (default: the one its first row holds most, else a comma).</source>
        <translation>Les champs de la liste sont séparés par &lt;separator&gt;&#xa0;: «&#xa0;,&#xa0;», «&#xa0;;&#xa0;» ou «&#xa0;tab&#xa0;» (par défaut&#xa0;: celui que sa première ligne contient le plus, sinon une virgule).</translation>
    </message>
    <message>
        <source>Let the placeholders &lt;names&gt; (separated by commas, or &quot;all&quot;) be empty in the letters when nothing fills them, rather than stop.</source>
        <translation>Laisser les balises &lt;names&gt; (séparées par des virgules, ou «&#xa0;all&#xa0;») vides dans les lettres quand rien ne les remplit, au lieu de s&apos;arrêter.</translation>
    </message>
    <message>
        <source>Stop before the first letter, with status 1, when the checks warn (a word that may be misspelled, a column that fills nothing, a placeholder let empty).</source>
        <translation>S&apos;arrêter avant la première lettre, avec le code 1, quand les vérifications avertissent (un mot peut-être mal orthographié, une colonne qui ne remplit rien, une balise laissée vide).</translation>
    </message>
    <message>
        <source>Map the list&apos;s columns to placeholders by hand: &lt;map&gt; is &quot;COLUMN=PLACEHOLDER&quot; pairs separated by commas (&quot;Where I saw it=Source,Company=CompanyName&quot;). A placeholder the letter does not use is an error.</source>
        <translation>Associer à la main les colonnes de la liste aux balises&#xa0;: &lt;map&gt; est une suite de paires «&#xa0;COLONNE=BALISE&#xa0;» séparées par des virgules («&#xa0;Où je l&apos;ai vue=Source,Entreprise=CompanyName&#xa0;»). Une balise que la lettre n&apos;utilise pas est une erreur.</translation>
    </message>
    <message>
        <source>Write nothing: print every column and what it fills, what comes from the settings and from More Fields, every warning, and the first row&apos;s letter as text; exit as the run would.</source>
        <translation>N&apos;écrire rien&#xa0;: afficher chaque colonne et ce qu&apos;elle remplit, ce qui vient des paramètres et des champs supplémentaires, chaque avertissement, et la lettre de la première ligne en texte&#xa0;; le code de retour est celui qu&apos;aurait l&apos;exécution.</translation>
    </message>
    <message>
        <source>Read the sheet &lt;name&gt; of an .xlsx or .ods list (default: the first).</source>
        <translation>Lire la feuille &lt;name&gt; d&apos;une liste .xlsx ou .ods (par défaut&#xa0;: la première).</translation>
    </message>
    <message>
        <source>Stop, with status 2, when the offices cannot run in their jail (bubblewrap), as the setting RequireJail=true does.</source>
        <translation>S&apos;arrêter, avec le code 2, quand les suites bureautiques ne peuvent pas fonctionner dans leur bac à sable (bubblewrap), comme le fait le paramètre RequireJail=true.</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on &lt;paper&gt;: a4 or letter (default: the one chosen in the window, else your locale&apos;s). A template of your own keeps its own paper.</source>
        <translation>Mettre en page la lettre intégrée sur &lt;paper&gt;&#xa0;: a4 ou letter (par défaut&#xa0;: celui choisi dans la fenêtre, sinon celui de votre région). Un modèle à vous garde son propre format de papier.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation&#xa0;: %1 [options]</translation>
    </message>
    <message>
        <source>Qt&apos;s options for the window: %1</source>
        <translation>Options de Qt pour la fenêtre&#xa0;: %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--%1 works only with --batch</source>
        <translation>--%1 ne fonctionne qu&apos;avec --batch</translation>
    </message>
    <message>
        <source>--out &lt;folder&gt; is missing</source>
        <translation>--out &lt;folder&gt; manquant</translation>
    </message>
    <message>
        <source>--format: unknown format &quot;%1&quot; (known: %2)</source>
        <translation>--format&#xa0;: format inconnu «&#xa0;%1&#xa0;» (formats connus&#xa0;: %2)</translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation>--jobs&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un nombre de 1 à %2</translation>
    </message>
    <message>
        <source>--separator: &quot;%1&quot; is none of &quot;,&quot;, &quot;;&quot; and &quot;tab&quot;</source>
        <translation>--separator&#xa0;: «&#xa0;%1&#xa0;» n&apos;est ni «&#xa0;,&#xa0;», ni «&#xa0;;&#xa0;», ni «&#xa0;tab&#xa0;»</translation>
    </message>
    <message>
        <source>--allow-empty: no placeholder named</source>
        <translation>--allow-empty&#xa0;: aucune balise indiquée</translation>
    </message>
    <message>
        <source>--paper: &quot;%1&quot; is neither &quot;a4&quot; nor &quot;letter&quot;</source>
        <translation>--paper&#xa0;: «&#xa0;%1&#xa0;» n&apos;est ni «&#xa0;a4&#xa0;» ni «&#xa0;letter&#xa0;»</translation>
    </message>
    <message>
        <source>Keep no record of the letters written (as the setting KeepRecord=false does).</source>
        <translation>Ne tenir aucun registre des lettres écrites (comme le fait le paramètre KeepRecord=false).</translation>
    </message>
    <message>
        <source>Print the record of the letters written, oldest first, and exit.</source>
        <translation>Afficher le registre des lettres écrites, de la plus ancienne à la plus récente, puis quitter.</translation>
    </message>
    <message>
        <source>With --letters: print the record as CSV.</source>
        <translation>Avec --letters&#xa0;: afficher le registre au format CSV.</translation>
    </message>
    <message>
        <source>Also write every letter, in the list&apos;s order and each from a new page, into the one PDF &lt;file&gt;; without --out, only that file is written.</source>
        <translation>Écrire aussi toutes les lettres, dans l&apos;ordre de la liste et chacune à partir d&apos;une nouvelle page, dans un seul PDF, &lt;file&gt;&#xa0;; sans --out, seul ce fichier est écrit.</translation>
    </message>
    <message>
        <source>--csv works only with --letters</source>
        <translation>--csv ne fonctionne qu&apos;avec --letters</translation>
    </message>
    <message>
        <source>--letters takes no other option than --csv</source>
        <translation>--letters n&apos;accepte aucune autre option que --csv</translation>
    </message>
    <message>
        <source>--combined: &quot;%1&quot; is not a .pdf file name</source>
        <translation>--combined&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un nom de fichier .pdf</translation>
    </message>
    <message>
        <source>--format works only with --out</source>
        <translation>--format ne fonctionne qu&apos;avec --out</translation>
    </message>
    <message>
        <source>Sign each letter with the picture &lt;file&gt; (PNG, JPEG or SVG) above the typed name, rather than the signature chosen in the window.</source>
        <translation>Signer chaque lettre avec l&apos;image &lt;file&gt; (PNG, JPEG ou SVG) au-dessus du nom dactylographié, au lieu de la signature choisie dans la fenêtre.</translation>
    </message>
    <message>
        <source>Make the built-in letter in the design &lt;name&gt;: %1 (default: the one chosen in the window, else classic); &quot;--design list&quot; prints the designs&apos; names. A template of your own keeps its own looks.</source>
        <translation>Faire la lettre intégrée dans la présentation &lt;name&gt; : %1 (par défaut : celle choisie dans la fenêtre, sinon classic) ; « --design list » affiche les noms des présentations. Un modèle personnel garde sa propre présentation.</translation>
    </message>
    <message>
        <source>--design: &quot;%1&quot; is no design; the designs are %2</source>
        <translation>--design : « %1 » n&apos;est pas une présentation ; les présentations sont %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the window needs a desktop session; use --batch to write letters without a window, or start the window under a virtual X server with xvfb-run</source>
        <translation>la fenêtre a besoin d&apos;une session de bureau&#xa0;; utilisez --batch pour écrire des lettres sans fenêtre, ou lancez la fenêtre dans un serveur X virtuel avec xvfb-run</translation>
    </message>
    <message>
        <source>no display (DISPLAY is not set): %1</source>
        <translation>pas d&apos;affichage (DISPLAY n&apos;est pas défini)&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot open the display &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
</TS>
