<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>DesignMenu</name>
    <message>
        <source>&amp;Classic</source>
        <translation>クラシック(&amp;C)</translation>
    </message>
    <message>
        <source>The built-in letter as it always was: your address at the top left</source>
        <translation>これまでどおりの組み込みのレター: あなたの住所は左上</translation>
    </message>
    <message>
        <source>&amp;Modern</source>
        <translation>モダン(&amp;M)</translation>
    </message>
    <message>
        <source>Your name in a band across the top, your address, phone and e-mail under it</source>
        <translation>上部の帯にあなたの名前、その下に住所、電話番号、メール</translation>
    </message>
    <message>
        <source>&amp;Letterhead</source>
        <translation>レターヘッド(&amp;L)</translation>
    </message>
    <message>
        <source>Your name, address, phone and e-mail centred across the top, a rule under them</source>
        <translation>名前、住所、電話番号、メールを上部中央に、その下に罫線</translation>
    </message>
    <message>
        <source>&amp;Design</source>
        <translation>デザイン(&amp;D)</translation>
    </message>
    <message>
        <source>The look of the built-in letter</source>
        <translation>組み込みのレターの見た目</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Yo&amp;ur Name:</source>
        <translation>氏名(&amp;U):</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>あなたの氏名</translation>
    </message>
    <message>
        <source>Your full name: it heads the letter and signs it</source>
        <translation>あなたのフルネーム: レターの冒頭と署名に入ります</translation>
    </message>
    <message>
        <source>St&amp;reet Address:</source>
        <translation>住所(&amp;R):</translation>
    </message>
    <message>
        <source>Your Street Address</source>
        <translation>あなたの番地</translation>
    </message>
    <message>
        <source>Your street and house number, under your name</source>
        <translation>あなたの番地と建物番号。氏名の下に入ります</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>市区町村(&amp;I):</translation>
    </message>
    <message>
        <source>Your City</source>
        <translation>あなたの市区町村</translation>
    </message>
    <message>
        <source>Your city, in your address</source>
        <translation>あなたの住所の市区町村</translation>
    </message>
    <message>
        <source>&amp;State:</source>
        <translation>州(&amp;S):</translation>
    </message>
    <message>
        <source>Your State</source>
        <translation>あなたの州</translation>
    </message>
    <message>
        <source>Your state, after your city</source>
        <translation>あなたの州。市区町村の後に入ります</translation>
    </message>
    <message>
        <source>Zi&amp;p Code:</source>
        <translation>〒(&amp;P):</translation>
    </message>
    <message>
        <source>Your Zip Code</source>
        <translation>あなたの郵便番号</translation>
    </message>
    <message>
        <source>Your zip code, after your state</source>
        <translation>あなたの郵便番号。州の後に入ります</translation>
    </message>
    <message>
        <source>Recipient &amp;Name:</source>
        <translation>氏名(&amp;N):</translation>
    </message>
    <message>
        <source>Recipient Name</source>
        <translation>宛先の氏名</translation>
    </message>
    <message>
        <source>Whom you write to: heads the inside address and the greeting</source>
        <translation>宛先の人: 宛先住所の冒頭と挨拶に入ります</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>役職(&amp;T):</translation>
    </message>
    <message>
        <source>Recipient Title</source>
        <translation>宛先の役職</translation>
    </message>
    <message>
        <source>The recipient&apos;s job title</source>
        <translation>宛先の人の役職</translation>
    </message>
    <message>
        <source>Co&amp;mpany Name:</source>
        <translation>会社名(&amp;M):</translation>
    </message>
    <message>
        <source>Recipient Company Name</source>
        <translation>宛先の会社名</translation>
    </message>
    <message>
        <source>The recipient&apos;s company</source>
        <translation>宛先の会社</translation>
    </message>
    <message>
        <source>Street A&amp;ddress:</source>
        <translation>住所(&amp;D):</translation>
    </message>
    <message>
        <source>Recipient Street Address</source>
        <translation>宛先の番地</translation>
    </message>
    <message>
        <source>The recipient&apos;s street and number</source>
        <translation>宛先の番地と建物番号</translation>
    </message>
    <message>
        <source>Cit&amp;y:</source>
        <translation>市区町村(&amp;Y):</translation>
    </message>
    <message>
        <source>Recipient City</source>
        <translation>宛先の市区町村</translation>
    </message>
    <message>
        <source>The recipient&apos;s city</source>
        <translation>宛先の市区町村</translation>
    </message>
    <message>
        <source>St&amp;ate:</source>
        <translation>州(&amp;A):</translation>
    </message>
    <message>
        <source>Recipient State</source>
        <translation>宛先の州</translation>
    </message>
    <message>
        <source>The recipient&apos;s state</source>
        <translation>宛先の州</translation>
    </message>
    <message>
        <source>&amp;Zip Code:</source>
        <translation>〒(&amp;Z):</translation>
    </message>
    <message>
        <source>Recipient Zip Code</source>
        <translation>宛先の郵便番号</translation>
    </message>
    <message>
        <source>The recipient&apos;s zip code</source>
        <translation>宛先の郵便番号</translation>
    </message>
    <message>
        <source>Fills the letter template with these fields and today&apos;s date and shows the letter</source>
        <translation>これらの項目と今日の日付でレターのテンプレートに差し込み、レターを表示します</translation>
    </message>
    <message>
        <source>Empties the twelve fields (Ctrl+Z brings them back)</source>
        <translation>12 個の項目を空にします (Ctrl+Z で元に戻せます)</translation>
    </message>
    <message>
        <source>Fills the twelve fields with an example letter (Ctrl+Z brings yours back)</source>
        <translation>12 個の項目にサンプルのレターを入れます (Ctrl+Z で元の内容に戻せます)</translation>
    </message>
    <message>
        <source>Cleared. Ctrl+Z to undo.</source>
        <translation>消去しました。Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source>Sample loaded. Ctrl+Z to undo.</source>
        <translation>サンプルを読み込みました。Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>The Letter, Edit, View and Help menus</source>
        <translation>レター、編集、表示、ヘルプの各メニュー</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>レター(&amp;L)</translation>
    </message>
    <message>
        <source>The letter&apos;s template and text, and Quit</source>
        <translation>レターのテンプレートと本文、および終了</translation>
    </message>
    <message>
        <source>&amp;Built-in Letter</source>
        <translation>組み込みのレター(&amp;B)</translation>
    </message>
    <message>
        <source>Make letters from the built-in template</source>
        <translation>組み込みのテンプレートからレターを作成します</translation>
    </message>
    <message>
        <source>&amp;Use My Own Template…</source>
        <translation>自分のテンプレートを使用(&amp;U)…</translation>
    </message>
    <message>
        <source>Make letters from a document of your own that holds the placeholders</source>
        <translation>プレースホルダーを含む自分の文書からレターを作成します</translation>
    </message>
    <message>
        <source>&amp;Save Built-in Letter As…</source>
        <translation>組み込みのレターに名前を付けて保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Save the built-in letter to write your own text around its placeholders</source>
        <translation>組み込みのレターを保存して、プレースホルダーの周りに自分の文章を書きます</translation>
    </message>
    <message>
        <source>&amp;Edit Letter Text…</source>
        <translation>レター本文の編集(&amp;E)…</translation>
    </message>
    <message>
        <source>Write the built-in letter&apos;s body in your own words, with your phone and e-mail</source>
        <translation>組み込みのレターの本文を自分の言葉で書き、電話番号とメールアドレスを設定します</translation>
    </message>
    <message>
        <source>More &amp;Fields…</source>
        <translation>その他の項目(&amp;F)…</translation>
    </message>
    <message>
        <source>Give values to the placeholders your letter uses beyond the fields, such as [Position]</source>
        <translation>[Position] など、項目以外にレターで使うプレースホルダーに値を設定します</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Undo of Clear/Reset Data and Load Sample/Example Data</source>
        <translation>「データを消去/リセット」と「サンプルデータを読み込む」を元に戻します</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>The placeholders, and about Tessaline</source>
        <translation>プレースホルダーと、Tessaline について</translation>
    </message>
    <message>
        <source>&amp;Placeholders…</source>
        <translation>プレースホルダー(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;About Tessaline</source>
        <translation>Tessaline について(&amp;A)</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>その他のメニュー</translation>
    </message>
    <message>
        <source>The menus that do not fit on the menu bar</source>
        <translation>メニューバーに収まらないメニュー</translation>
    </message>
    <message>
        <source>Start Creatin&amp;g Template</source>
        <translation>テンプレートの作成を開始(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Clear/Reset Data</source>
        <translation>データを消去/リセット(&amp;C)</translation>
    </message>
    <message>
        <source>L&amp;oad Sample/Example Data</source>
        <translation>サンプルデータを読み込む(&amp;O)</translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation>あなたの情報</translation>
    </message>
    <message>
        <source>Recipient Information</source>
        <translation>宛先の情報</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Letter Date</source>
        <translation>レターの日付</translation>
    </message>
    <message>
        <source>Set to today&apos;s date whenever a letter is made</source>
        <translation>レターを作成するたびに今日の日付になります</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>%1

You can go on working, but your entries will not be remembered for the next start.</source>
        <translation>%1

作業は続けられますが、入力内容は次回の起動時には残りません。</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Load Sample</source>
        <translation>サンプルの読み込み</translation>
    </message>
    <message>
        <source>Use My Own Template</source>
        <translation>自分のテンプレートを使用</translation>
    </message>
    <message>
        <source>Save Built-in Letter As</source>
        <translation>組み込みのレターに名前を付けて保存</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか?</translation>
    </message>
    <message>
        <source>Saving the built-in letter…</source>
        <translation>組み込みのレターを保存しています…</translation>
    </message>
    <message>
        <source>The built-in letter is saved as %1.

Open it in your word processor, write your own text around the placeholders, save it, and choose it with Letter &gt; Use My Own Template….</source>
        <translation>組み込みのレターを %1 として保存しました。

ワープロで開いてプレースホルダーの周りに自分の文章を書いて保存し、[レター] &gt; [自分のテンプレートを使用…] で選択してください。</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Making the letter…</source>
        <translation>レターを作成しています…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>The live page beside the fields</source>
        <translation>項目の横のライブページ</translation>
    </message>
    <message>
        <source>Live &amp;Page</source>
        <translation>ライブページ(&amp;P)</translation>
    </message>
    <message>
        <source>Shows the letter beside the fields as you type</source>
        <translation>入力に合わせて項目の横にレターを表示します</translation>
    </message>
    <message>
        <source>Le&amp;tters Sent…</source>
        <translation>送付済みのレター(&amp;T)…</translation>
    </message>
    <message>
        <source>Every letter saved, exported, printed or written by a batch, and its status</source>
        <translation>保存、エクスポート、印刷、またはバッチで書き込んだすべてのレターとそのステータス</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>&amp;Save Results To Word File…</source>
        <translation>Word ファイルに保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>PDF としてエクスポート(&amp;E)…</translation>
    </message>
    <message>
        <source>Export as &amp;Word 2007-365 (.docx)…</source>
        <translation>Word 2007-365 (.docx) としてエクスポート(&amp;W)…</translation>
    </message>
    <message>
        <source>Export as &amp;OpenDocument (.odt)…</source>
        <translation>OpenDocument (.odt) としてエクスポート(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; 戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>Save, export or print the letter, go back, quit, and zoom</source>
        <translation>レターの保存、エクスポート、印刷、戻る、終了、ズーム</translation>
    </message>
    <message>
        <source>More Menus</source>
        <translation>その他のメニュー</translation>
    </message>
    <message>
        <source>Shows the menus that do not fit on the menu bar</source>
        <translation>メニューバーに収まらないメニューを表示します</translation>
    </message>
    <message>
        <source>Edit Letter Text…</source>
        <translation>レター本文の編集…</translation>
    </message>
    <message>
        <source>Goes back to the fields and opens the Letter Text window</source>
        <translation>項目に戻り、レター本文のウィンドウを開きます</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>ズーム:</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save Results To Word File</source>
        <translation>Word ファイルに保存(&amp;S)</translation>
    </message>
    <message>
        <source>Shows the page a quarter step larger</source>
        <translation>ページを 4 分の 1 段階大きく表示します</translation>
    </message>
    <message>
        <source>Shows the page a quarter step smaller</source>
        <translation>ページを 4 分の 1 段階小さく表示します</translation>
    </message>
    <message>
        <source>Saves the letter as a Word 97-2003 document under a name you choose</source>
        <translation>レターを Word 97-2003 文書として、指定した名前で保存します</translation>
    </message>
    <message>
        <source>Returns to the fields, to change them and make another letter</source>
        <translation>項目に戻り、変更して別のレターを作成します</translation>
    </message>
    <message>
        <source>The letter has no page to show</source>
        <translation>このレターには表示するページがありません</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>page %1 of %2, %3</source>
        <translation>%1 / %2 ページ、%3</translation>
    </message>
    <message>
        <source>%1 — Preview (%2)</source>
        <translation>%1 — プレビュー (%2)</translation>
    </message>
    <message>
        <source> — %1</source>
        <translation> — %1</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>次のページ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>前のページ(&amp;P)</translation>
    </message>
    <message>
        <source>No office is there to export the letter.</source>
        <translation>レターをエクスポートできるオフィスソフトがありません。</translation>
    </message>
    <message>
        <source>No office is there to print the letter.</source>
        <translation>レターを印刷できるオフィスソフトがありません。</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>ページ全体(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Fit Page</source>
        <translation>ページに合わせる(&amp;F)</translation>
    </message>
    <message>
        <source>%1

The page is shown as you chose, but the choice will not be remembered for the next start.</source>
        <translation>%1

ページは選択どおりに表示されますが、この選択は次回の起動時には残りません。</translation>
    </message>
    <message>
        <source>&amp;Letters Sent…</source>
        <translation>送付済みのレター(&amp;L)…</translation>
    </message>
    <message>
        <source>Send by E-&amp;mail…</source>
        <translation>メールで送信(&amp;M)…</translation>
    </message>
    <message>
        <source>No office is there to write the letter for the e-mail.</source>
        <translation>メールに添付するレターを書き出せるオフィスソフトがありません。</translation>
    </message>
</context>
<context>
    <name>LetterFormat</name>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Word ファイル (*.doc)</translation>
    </message>
    <message>
        <source>Word 2007-365 Documents (*.docx)</source>
        <translation>Word 2007-365 文書 (*.docx)</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>OpenDocument テキスト (*.odt)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>LetterSession</name>
    <message>
        <source>&amp;Make the Letter Anyway</source>
        <translation>このままレターを作成(&amp;M)</translation>
    </message>
    <message>
        <source>More &amp;Fields…</source>
        <translation>その他の項目(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>戻る(&amp;G)</translation>
    </message>
    <message>
        <source>Before the letter is made, have a look:</source>
        <translation>レターを作成する前に確認してください:</translation>
    </message>
    <message>
        <source>Make the letter anyway, or go back and change it?</source>
        <translation>このままレターを作成しますか、それとも戻って変更しますか?</translation>
    </message>
</context>
<context>
    <name>LetterStatus</name>
    <message>
        <source>written</source>
        <translation>作成済み</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>送付済み</translation>
    </message>
    <message>
        <source>interview</source>
        <translation>面接</translation>
    </message>
    <message>
        <source>offer</source>
        <translation>内定</translation>
    </message>
    <message>
        <source>rejected</source>
        <translation>不採用</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>返答なし</translation>
    </message>
</context>
<context>
    <name>LetterTextWindow</name>
    <message>
        <source>Letter Text</source>
        <translation>レター本文</translation>
    </message>
    <message>
        <source>The body of the built-in letter: what stands between &quot;Dear …:&quot; and &quot;Sincerely,&quot;. A blank line starts a new paragraph; a line that begins with a dash and a space (&quot;- &quot;) is a bulleted item. Placeholders such as [CompanyName] are filled as everywhere else.</source>
        <translation>組み込みのレターの本文: 「Dear …:」と「Sincerely,」の間に入る文章です。空行で新しい段落になり、ハイフンとスペース (「- 」) で始まる行は箇条書きになります。[CompanyName] などのプレースホルダーはほかと同じく差し込まれます。</translation>
    </message>
    <message>
        <source>Your own template, %1, is in use: it keeps its own words, and this text is used once you choose Letter &gt; Built-in Letter again. Your phone and e-mail fill [Phone] and [Email] in every template.</source>
        <translation>自分のテンプレート %1 を使用中です: テンプレートの文章はそのまま使われ、この本文は [レター] &gt; [組み込みのレター] を再び選択すると使われます。電話番号とメールアドレスはどのテンプレートでも [Phone] と [Email] に差し込まれます。</translation>
    </message>
    <message>
        <source>Letter &amp;text:</source>
        <translation>レター本文(&amp;T):</translation>
    </message>
    <message>
        <source>The body of the built-in letter, in your own words</source>
        <translation>自分の言葉で書く組み込みのレターの本文</translation>
    </message>
    <message>
        <source>Letter Text, up and down</source>
        <translation>レター本文 (上下)</translation>
    </message>
    <message>
        <source>Scrolls the letter text up and down</source>
        <translation>レター本文を上下にスクロールします</translation>
    </message>
    <message>
        <source>Letter Text, sideways</source>
        <translation>レター本文 (左右)</translation>
    </message>
    <message>
        <source>Scrolls the letter text sideways</source>
        <translation>レター本文を左右にスクロールします</translation>
    </message>
    <message>
        <source>&amp;Insert Placeholder</source>
        <translation>プレースホルダーを挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Puts a placeholder where the caret is in the letter text</source>
        <translation>レター本文のカーソル位置にプレースホルダーを挿入します</translation>
    </message>
    <message>
        <source>Placeholders</source>
        <translation>プレースホルダー</translation>
    </message>
    <message>
        <source>&amp;Restore Built-in Text</source>
        <translation>組み込みの本文に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Puts the built-in letter&apos;s body back into the letter text</source>
        <translation>組み込みのレターの本文をレター本文に戻します</translation>
    </message>
    <message>
        <source>Your Phone</source>
        <translation>あなたの電話番号</translation>
    </message>
    <message>
        <source>Fills [Phone] in the letter</source>
        <translation>レターの [Phone] に入ります</translation>
    </message>
    <message>
        <source>Your E-mail</source>
        <translation>あなたのメールアドレス</translation>
    </message>
    <message>
        <source>Fills [Email] in the letter</source>
        <translation>レターの [Email] に入ります</translation>
    </message>
    <message>
        <source>Your Country</source>
        <translation>あなたの国</translation>
    </message>
    <message>
        <source>Fills [Country]: a line under your city when given</source>
        <translation>[Country] に入ります: 指定すると市区町村の下に 1 行入ります</translation>
    </message>
    <message>
        <source>Recipient&apos;s Country</source>
        <translation>宛先の国</translation>
    </message>
    <message>
        <source>Fills [Country2]: a line under the recipient&apos;s city when given</source>
        <translation>[Country2] に入ります: 指定すると宛先の市区町村の下に 1 行入ります</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>挨拶</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s greeting; placeholders work here</source>
        <translation>組み込みのレターの挨拶。プレースホルダーを使えます</translation>
    </message>
    <message>
        <source>Greeting Without a Name</source>
        <translation>名前がない場合の挨拶</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s greeting when the recipient&apos;s name is empty</source>
        <translation>宛先の氏名が空のときの、組み込みのレターの挨拶</translation>
    </message>
    <message>
        <source>Closing</source>
        <translation>結び</translation>
    </message>
    <message>
        <source>The built-in letter&apos;s closing; empty: none</source>
        <translation>組み込みのレターの結びの言葉。空の場合はなし</translation>
    </message>
    <message>
        <source>Enclosure Line</source>
        <translation>同封物の行</translation>
    </message>
    <message>
        <source>The line under your name; empty: none</source>
        <translation>氏名の下の行。空の場合はなし</translation>
    </message>
    <message>
        <source>Keeps the letter text and everything below it</source>
        <translation>レター本文とその下の内容をすべて保存します</translation>
    </message>
    <message>
        <source>Closes the window and keeps nothing</source>
        <translation>何も保存せずにウィンドウを閉じます</translation>
    </message>
    <message>
        <source>Spelling Dictionary</source>
        <translation>スペルチェックの辞書</translation>
    </message>
    <message>
        <source>The language the letter text&apos;s spelling is checked in</source>
        <translation>レター本文のスペルをチェックする言語</translation>
    </message>
    <message>
        <source>Your language&apos;s</source>
        <translation>あなたの言語の辞書</translation>
    </message>
    <message>
        <source>&amp;Dictionary:</source>
        <translation>辞書(&amp;D):</translation>
    </message>
    <message>
        <source>Your P&amp;hone:</source>
        <translation>電話番号(&amp;H):</translation>
    </message>
    <message>
        <source>Your E-&amp;mail:</source>
        <translation>メール(&amp;M):</translation>
    </message>
    <message>
        <source>Your Co&amp;untry:</source>
        <translation>国(&amp;U):</translation>
    </message>
    <message>
        <source>Recipient&apos;s Countr&amp;y:</source>
        <translation>宛先の国(&amp;Y):</translation>
    </message>
    <message>
        <source>&amp;Greeting:</source>
        <translation>挨拶(&amp;G):</translation>
    </message>
    <message>
        <source>Greeting &amp;without a name:</source>
        <translation>名前がない場合の挨拶(&amp;W):</translation>
    </message>
    <message>
        <source>C&amp;losing:</source>
        <translation>結び(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Enclosure line:</source>
        <translation>同封物の行(&amp;E):</translation>
    </message>
    <message>
        <source>Add to &amp;Dictionary</source>
        <translation>辞書に追加(&amp;D)</translation>
    </message>
    <message>
        <source>%1

Your letter text was not kept; the window stays open so that nothing you typed is lost.</source>
        <translation>%1

レター本文は保存されませんでした。入力した内容が失われないよう、ウィンドウは開いたままです。</translation>
    </message>
    <message>
        <source>The picture signed above your typed name</source>
        <translation>入力した氏名の上に入る署名の画像</translation>
    </message>
    <message>
        <source>Ch&amp;oose…</source>
        <translation>選択(&amp;O)…</translation>
    </message>
    <message>
        <source>Choose Signature</source>
        <translation>署名を選択</translation>
    </message>
    <message>
        <source>Chooses a picture of your signature (PNG, JPEG or SVG) for above your typed name</source>
        <translation>入力した氏名の上に入れる署名の画像 (PNG、JPEG、SVG) を選択します</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>削除(&amp;V)</translation>
    </message>
    <message>
        <source>Remove Signature</source>
        <translation>署名を削除</translation>
    </message>
    <message>
        <source>Letters are no longer signed with a picture</source>
        <translation>レターに画像の署名を入れないようにします</translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation>署名:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>署名: %1</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg</source>
        <translation>画像 (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg</translation>
    </message>
    <message>
        <source>Your Web Page</source>
        <translation>あなたのウェブページ</translation>
    </message>
    <message>
        <source>Fills [Web]: the letterhead design&apos;s line under your phone and e-mail</source>
        <translation>[Web] に入ります: レターヘッドのデザインで電話番号とメールの下の行</translation>
    </message>
    <message>
        <source>Your We&amp;b Page:</source>
        <translation>ウェブページ(&amp;B):</translation>
    </message>
</context>
<context>
    <name>LettersModel</name>
    <message>
        <source>The status could not be kept: %1.</source>
        <translation>ステータスを保存できませんでした: %1。</translation>
    </message>
</context>
<context>
    <name>LettersWindow</name>
    <message>
        <source>Letters Sent</source>
        <translation>送付済みのレター</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>検索(&amp;S):</translation>
    </message>
    <message>
        <source>Company, recipient, position, status or file</source>
        <translation>会社、宛先、職種、ステータス、ファイル</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Shows only the letters whose row holds these words</source>
        <translation>これらの語句を含む行のレターだけを表示します</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>レター</translation>
    </message>
    <message>
        <source>Each letter written, a row each; F2 sets its status</source>
        <translation>作成した各レター (1 行に 1 通)。F2 でステータスを設定します</translation>
    </message>
    <message>
        <source>&amp;Open Letter</source>
        <translation>レターを開く(&amp;O)</translation>
    </message>
    <message>
        <source>Opens the chosen letter&apos;s file</source>
        <translation>選択したレターのファイルを開きます</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>フォルダーを開く(&amp;F)</translation>
    </message>
    <message>
        <source>Opens the folder that holds the chosen letter</source>
        <translation>選択したレターのあるフォルダーを開きます</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV にエクスポート(&amp;E)…</translation>
    </message>
    <message>
        <source>Writes the letters shown to a CSV file</source>
        <translation>表示中のレターを CSV ファイルに書き出します</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>The record of letters cannot be read: %1.</source>
        <translation>レターの記録を読み込めません: %1。</translation>
    </message>
    <message>
        <source>The letter %1 is no longer there: it was moved or deleted.</source>
        <translation>レター %1 が見つかりません: 移動または削除されました。</translation>
    </message>
    <message>
        <source>No program could be started to open %1.</source>
        <translation>%1 を開くプログラムを起動できませんでした。</translation>
    </message>
    <message>
        <source>The folder %1 is no longer there.</source>
        <translation>フォルダー %1 が見つかりません。</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV にエクスポート</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation>%1 は既に存在します。置き換えますか?</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Not redrawn: %1</source>
        <translation>再描画されていません: %1</translation>
    </message>
    <message>
        <source>Not redrawn: the office stopped. Your next change draws the page again.</source>
        <translation>再描画されていません: オフィスソフトが停止しました。次に変更するとページが再描画されます。</translation>
    </message>
</context>
<context>
    <name>LivePageWindow</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>再試行(&amp;T)</translation>
    </message>
    <message>
        <source>Draws the live page again</source>
        <translation>ライブページを再描画します</translation>
    </message>
    <message>
        <source>Live Page View</source>
        <translation>ライブページの表示</translation>
    </message>
    <message>
        <source>Shows a page of the letter as the fields make it now</source>
        <translation>現在の項目で作られるレターのページを表示します</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Live page %1 of %2</source>
        <translation>ライブページ %1 / %2</translation>
    </message>
    <message>
        <source>Live page</source>
        <translation>ライブページ</translation>
    </message>
    <message>
        <source>A draft of the letter as the fields make it now, redrawn as you type; nothing is saved from it.%1</source>
        <translation>現在の項目で作られるレターの下書きです。入力に合わせて再描画され、ここからは何も保存されません。%1</translation>
    </message>
    <message>
        <source> Page Up and Page Down turn the pages.</source>
        <translation> Page Up と Page Down でページをめくります。</translation>
    </message>
    <message>
        <source>%1 — Live Page (page %2 of %3)</source>
        <translation>%1 — ライブページ (%2 / %3 ページ)</translation>
    </message>
    <message>
        <source>%1 — Live Page</source>
        <translation>%1 — ライブページ</translation>
    </message>
</context>
<context>
    <name>MailHandover</name>
    <message>
        <source>Application</source>
        <translation>応募書類の送付</translation>
    </message>
    <message>
        <source>Application: %1</source>
        <translation>応募書類の送付 (%1)</translation>
    </message>
    <message>
        <source>No e-mail program can take the letter: this desktop has neither an e-mail portal nor xdg-email with a mail program set up. Export the letter with File ▸ Export as PDF… and attach it to a message yourself.</source>
        <translation>レターを受け取れるメールソフトがありません: このデスクトップには、メールのポータルも、メールソフトが設定された xdg-email もありません。[ファイル] ▸ [PDF としてエクスポート…] でレターをエクスポートし、メッセージに手動で添付してください。</translation>
    </message>
    <message>
        <source>The letter could not be handed to the e-mail program. Export it with File ▸ Export as PDF… and attach it to a message yourself.</source>
        <translation>レターをメールソフトに渡せませんでした。[ファイル] ▸ [PDF としてエクスポート…] でエクスポートし、メッセージに手動で添付してください。</translation>
    </message>
</context>
<context>
    <name>MoreFieldsWindow</name>
    <message>
        <source>More Fields</source>
        <translation>その他の項目</translation>
    </message>
    <message>
        <source>Values for the placeholders your letter uses beyond the fields, [Phone] and [Email]. Each fills every letter you make here, and a list&apos;s column of the same name takes its place in a batch.</source>
        <translation>項目、[Phone]、[Email] 以外にレターで使うプレースホルダーの値です。ここで作成するすべてのレターに入り、バッチでは同じ名前のリストの列が代わりに使われます。</translation>
    </message>
    <message>
        <source>Your letter text uses no such placeholder. Put one such as [Position] in it (Letter &gt; Edit Letter Text…), and it is listed here. Those of your own template are listed once a letter has been made from it.</source>
        <translation>レター本文にはこのようなプレースホルダーがありません。[Position] などを本文に入れると ([レター] &gt; [レター本文の編集…])、ここに表示されます。自分のテンプレートのプレースホルダーは、そのテンプレートでレターを作成すると表示されます。</translation>
    </message>
    <message>
        <source>What fills [%1] in your letters</source>
        <translation>レターの [%1] に入る値</translation>
    </message>
    <message>
        <source>%1

Your values were not all kept; the window stays open so that nothing you typed is lost.</source>
        <translation>%1

値の一部が保存されませんでした。入力した内容が失われないよう、ウィンドウは開いたままです。</translation>
    </message>
</context>
<context>
    <name>NoticeLine</name>
    <message>
        <source>Worth a look</source>
        <translation>確認事項</translation>
    </message>
</context>
<context>
    <name>PageArea</name>
    <message>
        <source>Page View</source>
        <translation>ページの表示</translation>
    </message>
    <message>
        <source>Shows the letter&apos;s page at the chosen zoom</source>
        <translation>選択したズームでレターのページを表示します</translation>
    </message>
    <message>
        <source>Visible Area</source>
        <translation>表示領域</translation>
    </message>
    <message>
        <source>The part of the view through which the page shows</source>
        <translation>ページが見えるビューの部分</translation>
    </message>
    <message>
        <source>Horizontal Scroll</source>
        <translation>水平スクロール</translation>
    </message>
    <message>
        <source>Moves the page left and right</source>
        <translation>ページを左右に動かします</translation>
    </message>
    <message>
        <source>Vertical Scroll</source>
        <translation>垂直スクロール</translation>
    </message>
    <message>
        <source>Moves the page up and down</source>
        <translation>ページを上下に動かします</translation>
    </message>
    <message>
        <source>Letter Page %1 of %2</source>
        <translation>レターのページ %1 / %2</translation>
    </message>
    <message>
        <source>Letter Page</source>
        <translation>レターのページ</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>ズーム %1%</translation>
    </message>
    <message>
        <source>, page %1 of %2</source>
        <translation>、%1 / %2 ページ</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>%1. A page of the filled letter: the arrow keys, Page Up, Page Down, Home and End scroll it, or drag it</source>
        <translation>%1。差し込み済みのレターのページ: 矢印キー、Page Up、Page Down、Home、End でスクロールするか、ドラッグします</translation>
    </message>
    <message>
        <source>Largest zoom reached</source>
        <translation>最大のズームです</translation>
    </message>
    <message>
        <source>Smallest zoom reached</source>
        <translation>最小のズームです</translation>
    </message>
</context>
<context>
    <name>PaperSizeMenu</name>
    <message>
        <source>&amp;Paper Size</source>
        <translation>用紙サイズ(&amp;P)</translation>
    </message>
    <message>
        <source>The paper the built-in letter is laid out on</source>
        <translation>組み込みのレターをレイアウトする用紙</translation>
    </message>
    <message>
        <source>&amp;A4</source>
        <translation>A4(&amp;A)</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on A4 paper (210 × 297 mm)</source>
        <translation>組み込みのレターを A4 用紙 (210 × 297 mm) にレイアウトします</translation>
    </message>
    <message>
        <source>US &amp;Letter</source>
        <translation>US レター(&amp;L)</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on US Letter paper (8.5 × 11 in)</source>
        <translation>組み込みのレターを US レター用紙 (8.5 × 11 インチ) にレイアウトします</translation>
    </message>
</context>
<context>
    <name>PlaceholdersWindow</name>
    <message>
        <source>Placeholders</source>
        <translation>プレースホルダー</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>プレースホルダー</translation>
    </message>
    <message>
        <source>Filled with</source>
        <translation>差し込まれる内容</translation>
    </message>
    <message>
        <source>Each placeholder and what fills it, a row each</source>
        <translation>各プレースホルダーとそこに入る内容 (1 行に 1 つ)</translation>
    </message>
    <message>
        <source>How placeholders are matched</source>
        <translation>プレースホルダーの照合方法</translation>
    </message>
    <message>
        <source>Letter case, where placeholders are filled, and your own fields</source>
        <translation>大文字と小文字、プレースホルダーが差し込まれる場所、独自の項目</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>このウィンドウを閉じます</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <translation>%1 の中に書き込めません: %2</translation>
    </message>
    <message>
        <source>the office wrote nothing</source>
        <translation>オフィスソフトが何も書き込みませんでした</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>ファイルは読み取り専用です</translation>
    </message>
    <message>
        <source>the file was already written or discarded</source>
        <translation>ファイルは既に書き込まれたか破棄されています</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full (%2).</source>
        <translation>%1 のあるディスクがいっぱいです (%2)。</translation>
    </message>
    <message>
        <source>Cannot read the letter %1: %2</source>
        <translation>レター %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>名前付きパイプ (FIFO)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>特殊ファイル</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>存在しません</translation>
    </message>
    <message>
        <source>is %1, not a regular file</source>
        <translation>%1 であり、通常のファイルではありません</translation>
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
        <translation>%1 を超えています</translation>
    </message>
    <message>
        <source>Cannot mark the folder %1 as in use: %2</source>
        <translation>フォルダー %1 を使用中にできません: %2</translation>
    </message>
    <message>
        <source>The folder %1 is in use by another running program</source>
        <translation>フォルダー %1 は実行中の別のプログラムが使用しています</translation>
    </message>
    <message>
        <source>The folder %1 was removed while it was being made</source>
        <translation>フォルダー %1 は作成中に削除されました</translation>
    </message>
    <message>
        <source>Cannot write in %1</source>
        <translation>%1 の中に書き込めません</translation>
    </message>
    <message>
        <source>Cannot write in %1: its lock file keeps changing</source>
        <translation>%1 の中に書き込めません: ロックファイルが変化し続けています</translation>
    </message>
    <message>
        <source>Cannot create the scratch folder %1: %2</source>
        <translation>一時フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>The scratch folder %1 is not a folder of your own; remove it or set the variable TMPDIR.</source>
        <translation>一時フォルダー %1 はあなたのものではありません。削除するか、環境変数 TMPDIR を設定してください。</translation>
    </message>
    <message>
        <source>The scratch folder %1 is open to other users; remove it or set the variable TMPDIR.</source>
        <translation>一時フォルダー %1 はほかのユーザーに開かれています。削除するか、環境変数 TMPDIR を設定してください。</translation>
    </message>
    <message>
        <source>Cannot save your entries to %1: the file cannot be written.</source>
        <translation>入力内容を %1 に保存できません: ファイルに書き込めません。</translation>
    </message>
    <message>
        <source>Cannot save your entries to %1: it is %2, not a regular file.</source>
        <translation>入力内容を %1 に保存できません: %2 であり、通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Columns of the list:</source>
        <translation>リストの列:</translation>
    </message>
    <message>
        <source>fills nothing</source>
        <translation>何にも差し込まれません</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>From the window&apos;s settings, in every letter:</source>
        <translation>ウィンドウの設定から、すべてのレターに:</translation>
    </message>
    <message>
        <source>From More Fields, in every letter:</source>
        <translation>その他の項目から、すべてのレターに:</translation>
    </message>
    <message>
        <source>Empty in every letter:</source>
        <translation>すべてのレターで空:</translation>
    </message>
    <message>
        <source>The letter of line %1, %2:</source>
        <translation>%1 行目のレター、%2:</translation>
    </message>
    <message>
        <source>Dry run, nothing written: %1 of %2 rows would make a letter, %3 would fail.</source>
        <translation>ドライラン、何も書き込んでいません: %2 行のうち %1 行でレターを作成でき、%3 行は失敗します。</translation>
    </message>
    <message>
        <source>%1: it already exists</source>
        <translation>%1: 既に存在します</translation>
    </message>
    <message>
        <source>%1: they already exist</source>
        <translation>%1: 既に存在します</translation>
    </message>
    <message>
        <source>the office could not write the letter (%1)</source>
        <translation>オフィスソフトがレターを書き込めませんでした (%1)</translation>
    </message>
    <message>
        <source>the office could not fill in the letter (%1)</source>
        <translation>オフィスソフトがレターに差し込めませんでした (%1)</translation>
    </message>
    <message>
        <source>written %1; %2</source>
        <translation>%1 を書き込みました。%2</translation>
    </message>
    <message>
        <source>Cannot start an office with the template: %1</source>
        <translation>テンプレートでオフィスソフトを起動できません: %1</translation>
    </message>
    <message>
        <source>An office could not be started: %1</source>
        <translation>オフィスソフトを起動できませんでした: %1</translation>
    </message>
    <message>
        <source>An office could not be started again: %1</source>
        <translation>オフィスソフトを再起動できませんでした: %1</translation>
    </message>
    <message>
        <source>Column &quot;%1&quot; is ignored: it repeats another column or has no name.</source>
        <translation>列「%1」は無視されます: ほかの列と重複しているか、名前がありません。</translation>
    </message>
    <message>
        <source>Columns &quot;%1&quot; are ignored: they repeat other columns or have no name.</source>
        <translation>列「%1」は無視されます: ほかの列と重複しているか、名前がありません。</translation>
    </message>
    <message>
        <source>The list&apos;s columns are separated by semicolons.</source>
        <translation>リストの列はセミコロンで区切られています。</translation>
    </message>
    <message>
        <source>The list&apos;s columns are separated by tabs.</source>
        <translation>リストの列はタブで区切られています。</translation>
    </message>
    <message>
        <source>--sheet: %1 is no spreadsheet (.xlsx, .xls or .ods)</source>
        <translation>--sheet: %1 はスプレッドシート (.xlsx、.xls、.ods) ではありません</translation>
    </message>
    <message>
        <source>The template chosen in the window, %1, is %2, not a regular file; the built-in one is used.</source>
        <translation>ウィンドウで選択したテンプレート %1 は %2 であり、通常のファイルではありません。組み込みのテンプレートを使用します。</translation>
    </message>
    <message>
        <source>The template chosen in the window, %1, is missing; the built-in one is used.</source>
        <translation>ウィンドウで選択したテンプレート %1 が見つかりません。組み込みのテンプレートを使用します。</translation>
    </message>
    <message>
        <source>--paper: the template %1 keeps its own paper.</source>
        <translation>--paper: テンプレート %1 は自身の用紙サイズを保ちます。</translation>
    </message>
    <message>
        <source>--strict: no letter is written, for the warnings above.</source>
        <translation>--strict: 上記の警告のため、レターは書き込まれません。</translation>
    </message>
    <message>
        <source>Spelling: &apos;%1&apos; and %2 more words may be misspelled in your letter text.</source>
        <translation>スペル: レター本文の「%1」とほか %2 語のスペルが間違っている可能性があります。</translation>
    </message>
    <message>
        <source>Spelling: &apos;%1&apos; may be misspelled in your letter text.</source>
        <translation>スペル: レター本文の「%1」のスペルが間違っている可能性があります。</translation>
    </message>
    <message>
        <source>line %1: skipped: the row is empty</source>
        <translation>%1 行目: スキップ: 行が空です</translation>
    </message>
    <message>
        <source>line %1: failed: %2</source>
        <translation>%1 行目: 失敗: %2</translation>
    </message>
    <message>
        <source>1 row has nothing for its file name: its letter is named after its line in the list, &quot;%1&quot;.</source>
        <translation>1 行にファイル名となる値がありません: そのレターにはリストの行番号から「%1」という名前が付きます。</translation>
    </message>
    <message>
        <source>%1 rows have nothing for their file names: each letter is named after its line in the list, such as &quot;%2&quot;.</source>
        <translation>%1 行にファイル名となる値がありません: 各レターにはリストの行番号から「%2」のような名前が付きます。</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>Cannot write into %1: its lock file .tessaline-writer belongs to the user %2. Choose another folder, or have %2 remove it.</source>
        <translation>%1 の中に書き込めません: ロックファイル .tessaline-writer はユーザー %2 のものです。別のフォルダーを選ぶか、%2 に削除を依頼してください。</translation>
    </message>
    <message>
        <source>Another batch is writing into %1 (process %2); wait for it to end.</source>
        <translation>別のバッチが %1 に書き込んでいます (プロセス %2)。終了するまでお待ちください。</translation>
    </message>
    <message>
        <source>Another batch is writing into %1; wait for it to end.</source>
        <translation>別のバッチが %1 に書き込んでいます。終了するまでお待ちください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no &quot;=&quot; (write COLUMN=PLACEHOLDER)</source>
        <translation>「%1」に「=」がありません (列=プレースホルダー の形で書いてください)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no column</source>
        <translation>「%1」は列を指定していません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no placeholder</source>
        <translation>「%1」はプレースホルダーを指定していません</translation>
    </message>
    <message>
        <source>--columns: the list has no column &quot;%1&quot; (its columns: &quot;%2&quot;)</source>
        <translation>--columns: リストに列「%1」がありません (リストの列:「%2」)</translation>
    </message>
    <message>
        <source>[%1] (the recipient&apos;s; the sender&apos;s [%2] when the list has the recipient&apos;s own column or the name says &quot;Sender&quot; or &quot;Your&quot;)</source>
        <translation>[%1] (宛先のもの。リストに宛先専用の列があるか、名前に「Sender」や「Your」が含まれる場合は差出人の [%2])</translation>
    </message>
    <message>
        <source>the office did not answer within %1 seconds and was ended</source>
        <translation>オフィスソフトが %1 秒以内に応答しなかったため終了しました</translation>
    </message>
    <message>
        <source> No new letter is started; those in progress end.</source>
        <translation> 新しいレターは開始されません。処理中のものは完了します。</translation>
    </message>
    <message>
        <source>The letter template %1 holds none of the placeholders, such as [YourName] or [CompanyName], so none of the entries are in the letters. They are made all the same.</source>
        <translation>レターのテンプレート %1 には [YourName] や [CompanyName] などのプレースホルダーが 1 つもないため、入力内容はレターに入りません。レターはそのまま作成されます。</translation>
    </message>
    <message>
        <source>line %1: the office failed (%2); trying again on a fresh one</source>
        <translation>%1 行目: オフィスソフトが失敗しました (%2)。新しいオフィスソフトで再試行します</translation>
    </message>
    <message>
        <source>line %1: written %2</source>
        <translation>%1 行目: %2 を書き込みました</translation>
    </message>
    <message>
        <source>line %1: skipped: %2 (--force replaces it)</source>
        <translation>%1 行目: スキップ: %2 (--force で置き換えます)</translation>
    </message>
    <message>
        <source>Stopping: the letters in progress are finished, no new ones start.</source>
        <translation>停止中: 処理中のレターは完了させ、新しいレターは開始しません。</translation>
    </message>
    <message>
        <source>line %1: failed: no office could be started</source>
        <translation>%1 行目: 失敗: オフィスソフトを起動できませんでした</translation>
    </message>
    <message>
        <source>Stopped before the list was read: no letter written.</source>
        <translation>リストを読み込む前に停止しました: レターは書き込まれていません。</translation>
    </message>
    <message>
        <source>The letter template %1 %2</source>
        <translation>レターのテンプレート %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 written, %3 skipped, %4 failed</source>
        <translation>%1: 書き込み %2、スキップ %3、失敗 %4</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>停止しました。 </translation>
    </message>
    <message>
        <source>, %1 not done</source>
        <translation>、未処理 %1</translation>
    </message>
    <message>
        <source>Stopped: the disk is full. </source>
        <translation>停止しました: ディスクがいっぱいです。 </translation>
    </message>
    <message>
        <source>Cannot read the list: out of memory</source>
        <translation>リストを読み込めません: メモリ不足です</translation>
    </message>
    <message>
        <source>line %1: a quote is misplaced or never closed (a field that holds quotes must be quoted, with each quote doubled)</source>
        <translation>%1 行目: 引用符の位置が正しくないか、閉じられていません (引用符を含むフィールドは引用符で囲み、引用符を 2 つ重ねてください)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a list</source>
        <translation>リストではなくフォルダーです</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>%1 を超えています</translation>
    </message>
    <message>
        <source>it is not UTF-8 text (save it from the spreadsheet as &quot;CSV UTF-8&quot;)</source>
        <translation>UTF-8 テキストではありません (表計算ソフトから「CSV UTF-8」として保存してください)</translation>
    </message>
    <message>
        <source>it has no header row naming the columns</source>
        <translation>列に名前を付ける見出し行がありません</translation>
    </message>
    <message>
        <source>line %1: a column&apos;s name holds a NUL character (is it a text file?)</source>
        <translation>%1 行目: 列の名前に NUL 文字が含まれています (テキストファイルですか?)</translation>
    </message>
    <message>
        <source>(a column without a name)</source>
        <translation>(名前のない列)</translation>
    </message>
    <message>
        <source>the row has %1 fields, the header has %2</source>
        <translation>この行にはフィールドが %1 個ありますが、見出し行は %2 個です</translation>
    </message>
    <message>
        <source>the field of column &quot;%1&quot; holds a NUL character (is the list a text file?)</source>
        <translation>列「%1」のフィールドに NUL 文字が含まれています (リストはテキストファイルですか?)</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Column %1 fills the recipient&apos;s %2: its name does not say whose address it holds, and the list has no recipient&apos;s column of its own for it (--columns &quot;%3&quot; would make it yours).</source>
        <translation>列 %1 は宛先の%2に差し込まれます: 名前からは誰の住所かわからず、リストに宛先専用の列がないためです (--columns &quot;%3&quot; であなたのものになります)。</translation>
    </message>
    <message>
        <source>Columns %1 fill the recipient&apos;s %2: their names do not say whose address they hold, and the list has no recipient&apos;s columns of its own for them (--columns &quot;%3&quot; would make one yours).</source>
        <translation>列 %1 は宛先の%2に差し込まれます: 名前からは誰の住所かわからず、リストに宛先専用の列がないためです (--columns &quot;%3&quot; でそのうち 1 つがあなたのものになります)。</translation>
    </message>
    <message>
        <source>Column %1 fills your own %2 in every letter, in place of what the window stores (--columns &quot;%3&quot; would make it the recipient&apos;s).</source>
        <translation>列 %1 は、ウィンドウに保存された内容の代わりに、すべてのレターであなたの%2に差し込まれます (--columns &quot;%3&quot; で宛先のものになります)。</translation>
    </message>
    <message>
        <source>Columns %1 fill your own %2 in every letter, in place of what the window stores (--columns &quot;%3&quot; would make one the recipient&apos;s).</source>
        <translation>列 %1 は、ウィンドウに保存された内容の代わりに、すべてのレターであなたの%2に差し込まれます (--columns &quot;%3&quot; でそのうち 1 つが宛先のものになります)。</translation>
    </message>
    <message>
        <source>the name pattern has a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>名前のパターンに「{」があり、対応する「}」がありません</translation>
    </message>
    <message>
        <source>the name pattern&apos;s {%1} names no placeholder</source>
        <translation>名前のパターンの {%1} はプレースホルダーを指定していません</translation>
    </message>
    <message>
        <source>the name pattern&apos;s {%1} names no field of the letter and no column of the list</source>
        <translation>名前のパターンの {%1} はレターの項目もリストの列も指定していません</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>レター %1</translation>
    </message>
    <message>
        <source>the list has no column that fills a placeholder</source>
        <translation>リストにプレースホルダーに差し込まれる列がありません</translation>
    </message>
    <message>
        <source>the list&apos;s columns: %1</source>
        <translation>リストの列: %1</translation>
    </message>
    <message>
        <source>--columns &quot;%1&quot;: neither the letter nor the name pattern uses [%2], so the column would fill nothing.</source>
        <translation>--columns &quot;%1&quot;: レターも名前のパターンも [%2] を使っていないため、この列は何にも差し込まれません。</translation>
    </message>
    <message>
        <source>%1 would be empty in every letter: your own words use it, and no column of the list fills it (%2). Add the column, map one to it with --columns &quot;COLUMN=%3&quot;, or let it be empty with --allow-empty %3.</source>
        <translation>%1 はすべてのレターで空になります: あなたの文章で使われていますが、リストのどの列も差し込まれません (%2)。列を追加するか、--columns &quot;列=%3&quot; で列を割り当てるか、--allow-empty %3 で空のままにしてください。</translation>
    </message>
    <message>
        <source>%1 would be empty in every letter: your own words use them, and no column of the list fills them (%2). Add the columns, map them with --columns, or let them be empty with --allow-empty %3.</source>
        <translation>%1 はすべてのレターで空になります: あなたの文章で使われていますが、リストのどの列も差し込まれません (%2)。列を追加するか、--columns で列を割り当てるか、--allow-empty %3 で空のままにしてください。</translation>
    </message>
    <message>
        <source>The letter&apos;s %1 would stand as written in every letter: no column of the list fills it and nothing is stored for it (%2). Add the column, or let it be empty with --allow-empty %3.</source>
        <translation>レターの %1 はすべてのレターで書かれたまま残ります: リストのどの列も差し込まれず、保存された値もありません (%2)。列を追加するか、--allow-empty %3 で空にしてください。</translation>
    </message>
    <message>
        <source>The letter&apos;s %1 would stand as written in every letter: no column of the list fills them and nothing is stored for them (%2). Add the columns, or let them be empty with --allow-empty %3.</source>
        <translation>レターの %1 はすべてのレターで書かれたまま残ります: リストのどの列も差し込まれず、保存された値もありません (%2)。列を追加するか、--allow-empty %3 で空にしてください。</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter: the list has no column for it and nothing is stored for it.</source>
        <translation>%1 はすべてのレターで空になります: リストに対応する列がなく、保存された値もありません。</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter: the list has no column for them and nothing is stored for them.</source>
        <translation>%1 はすべてのレターで空になります: リストに対応する列がなく、保存された値もありません。</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter (--allow-empty): nothing fills it.</source>
        <translation>%1 はすべてのレターで空になります (--allow-empty): 何も差し込まれません。</translation>
    </message>
    <message>
        <source>%1 will be empty in every letter (--allow-empty): nothing fills them.</source>
        <translation>%1 はすべてのレターで空になります (--allow-empty): 何も差し込まれません。</translation>
    </message>
    <message>
        <source>Column %1 fills nothing: the letter has no such placeholder and the name pattern does not use it.</source>
        <translation>列 %1 は何にも差し込まれません: レターにそのプレースホルダーがなく、名前のパターンでも使われていません。</translation>
    </message>
    <message>
        <source>Columns %1 fill nothing: the letter has no such placeholders and the name pattern uses none of them.</source>
        <translation>列 %1 は何にも差し込まれません: レターにそれらのプレースホルダーがなく、名前のパターンでも使われていません。</translation>
    </message>
    <message>
        <source>[%1] is &quot;%2&quot; in every letter, from More Fields, while the list&apos;s column %3 fills nothing (--columns &quot;%4=%1&quot; fills it from the list).</source>
        <translation>[%1] はその他の項目からすべてのレターで「%2」になりますが、リストの列 %3 は何にも差し込まれません (--columns &quot;%4=%1&quot; でリストから差し込みます)。</translation>
    </message>
    <message>
        <source>[%1] is &quot;%2&quot; in every letter, from More Fields, while the list&apos;s columns %3 fill nothing (--columns &quot;%4=%1&quot; fills it from one).</source>
        <translation>[%1] はその他の項目からすべてのレターで「%2」になりますが、リストの列 %3 は何にも差し込まれません (--columns &quot;%4=%1&quot; でそのうちの 1 つから差し込みます)。</translation>
    </message>
    <message>
        <source>The list %1 %2.</source>
        <translation>リスト %1 は%2。</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>読み込めません: %1</translation>
    </message>
    <message>
        <source>is an empty file, not a spreadsheet</source>
        <translation>空のファイルで、スプレッドシートではありません</translation>
    </message>
    <message>
        <source>Cannot write in the scratch folder %1: %2</source>
        <translation>一時フォルダー %1 の中に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot read the list %1: %2</source>
        <translation>リスト %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot read the list %1: the office did not write its sheet &quot;%2&quot; (%3)</source>
        <translation>リスト %1 を読み込めません: オフィスソフトがシート「%2」を書き出しませんでした (%3)</translation>
    </message>
    <message>
        <source>[%1] has no value</source>
        <translation>[%1] に値がありません</translation>
    </message>
    <message>
        <source>[%1] is empty</source>
        <translation>[%1] が空です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and %2 more words may be misspelled</source>
        <translation>「%1」とほか %2 語のスペルが間違っている可能性があります</translation>
    </message>
    <message>
        <source>&apos;%1&apos; may be misspelled</source>
        <translation>「%1」のスペルが間違っている可能性があります</translation>
    </message>
    <message>
        <source>the letter&apos;s body is still the sample text</source>
        <translation>レターの本文がまだサンプルの文章です</translation>
    </message>
    <message>
        <source>Your Name is empty</source>
        <translation>あなたの氏名が空です</translation>
    </message>
    <message>
        <source>Recipient Company Name is empty</source>
        <translation>宛先の会社名が空です</translation>
    </message>
    <message>
        <source>The built-in letter template is missing from the program</source>
        <translation>組み込みのレターのテンプレートがプログラムにありません</translation>
    </message>
    <message>
        <source>No letter was made. Put the file right, choose another one with Letter &gt; Use My Own Template…, or go back to Letter &gt; Built-in Letter.</source>
        <translation>レターは作成されませんでした。ファイルを修正するか、[レター] &gt; [自分のテンプレートを使用…] で別のファイルを選ぶか、[レター] &gt; [組み込みのレター] に戻してください。</translation>
    </message>
    <message>
        <source>Your letter template %1 %2

%3</source>
        <translation>レターのテンプレート %1 は%2

%3</translation>
    </message>
    <message>
        <source>Letter templates (*.doc *.docx *.dot *.dotx *.odt *.ott *.rtf)</source>
        <translation>レターのテンプレート (*.doc *.docx *.dot *.dotx *.odt *.ott *.rtf)</translation>
    </message>
    <message>
        <source>Word documents and templates (*.doc *.docx *.dot *.dotx)</source>
        <translation>Word 文書とテンプレート (*.doc *.docx *.dot *.dotx)</translation>
    </message>
    <message>
        <source>OpenDocument texts and templates (*.odt *.ott)</source>
        <translation>OpenDocument テキストとテンプレート (*.odt *.ott)</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>リッチテキスト形式 (*.rtf)</translation>
    </message>
    <message>
        <source>is gone: it may have been moved, renamed or deleted.</source>
        <translation>見つかりません: 移動、名前の変更、または削除された可能性があります。</translation>
    </message>
    <message>
        <source>: no letter template is that large.</source>
        <translation>: これほど大きなレターのテンプレートはありません。</translation>
    </message>
    <message>
        <source>cannot be read: %1.</source>
        <translation>読み込めません: %1。</translation>
    </message>
    <message>
        <source>is an empty file, not a document.</source>
        <translation>空のファイルで、文書ではありません。</translation>
    </message>
    <message>
        <source>Cannot replace the old template copy %1</source>
        <translation>テンプレートの古いコピー %1 を置き換えられません</translation>
    </message>
    <message>
        <source>is protected by a password. Save a copy of it without the password and choose that one.</source>
        <translation>パスワードで保護されています。パスワードなしのコピーを保存して、そちらを選択してください。</translation>
    </message>
    <message>
        <source>is not a document the word processor can open. Letter templates are Word (.doc, .docx, .dot, .dotx), OpenDocument (.odt, .ott) or RTF files.</source>
        <translation>ワープロで開ける文書ではありません。レターのテンプレートは Word (.doc、.docx、.dot、.dotx)、OpenDocument (.odt、.ott)、RTF のファイルです。</translation>
    </message>
    <message>
        <source>is too large or too slow to open: the word processor did not finish reading it within %1 seconds.</source>
        <translation>大きすぎるか開くのに時間がかかりすぎます: ワープロが %1 秒以内に読み込みを終えませんでした。</translation>
    </message>
    <message>
        <source>is too large or too complex to fill in (tables nested very deep, say): the word processor did not finish within %1 seconds.</source>
        <translation>大きすぎるか複雑すぎて差し込めません (表の入れ子が非常に深いなど): ワープロが %1 秒以内に終わりませんでした。</translation>
    </message>
    <message>
        <source>Your letter template %1 holds none of the placeholders, such as [YourName] or [CompanyName], so none of your entries are in the letter. It was made all the same.

Help &gt; Placeholders… lists them all.</source>
        <translation>レターのテンプレート %1 には [YourName] や [CompanyName] などのプレースホルダーが 1 つもないため、入力内容はレターに入っていません。レターはそのまま作成されました。

[ヘルプ] &gt; [プレースホルダー…] にすべて記載されています。</translation>
    </message>
    <message>
        <source>Your letter text %1 cannot be read: %2.

The letter has the built-in text instead. Letter &gt; Edit Letter Text… writes your text anew.</source>
        <translation>レター本文 %1 を読み込めません: %2。

レターには代わりに組み込みの本文が入っています。[レター] &gt; [レター本文の編集…] で本文を書き直せます。</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>存在しないファイルへのリンクです</translation>
    </message>
    <message>
        <source>it %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>UTF-8 テキストではありません</translation>
    </message>
    <message>
        <source>Cannot write %1: its folder cannot be made</source>
        <translation>%1 に書き込めません: フォルダーを作成できません</translation>
    </message>
    <message>
        <source>Cannot write %1: the picture cannot be encoded</source>
        <translation>%1 に書き込めません: 画像をエンコードできません</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>1 MB を超えています</translation>
    </message>
    <message>
        <source>Spelling is not checked: no %1 dictionary is installed (the package %2 has one).</source>
        <translation>スペルはチェックされません: %1の辞書がインストールされていません (パッケージ %2 に含まれています)。</translation>
    </message>
    <message>
        <source>Cannot add “%1” to your word list %2: %3.</source>
        <translation>「%1」を単語リスト %2 に追加できません: %3。</translation>
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
        <translation>オフィスソフトで開いている文書がありません</translation>
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
        <translation>%1 を開けません: ファイルがありません</translation>
    </message>
    <message>
        <source>Cannot open %1: it is protected by a password</source>
        <translation>%1 を開けません: パスワードで保護されています</translation>
    </message>
    <message>
        <source>Cannot open %1: the office cannot read it</source>
        <translation>%1 を開けません: オフィスソフトが読み込めません</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Open %1</translation>
    </message>
    <message>
        <source>Cannot open %1: it is not a text document</source>
        <translation>%1 を開けません: テキスト文書ではありません</translation>
    </message>
    <message>
        <source>ReplaceBody</source>
        <translation>ReplaceBody</translation>
    </message>
    <message>
        <source>The letter has no body between a greeting and a closing</source>
        <translation>レターの挨拶と結びの間に本文がありません</translation>
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
        <translation>図形にテキストがありません</translation>
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
        <translation>オフィスソフトが続行できません: 文書が閉じられています</translation>
    </message>
    <message>
        <source>The office cannot go on: it has been ended</source>
        <translation>オフィスソフトが続行できません: 終了されました</translation>
    </message>
    <message>
        <source>The letter has no page %1</source>
        <translation>レターに %1 ページ目がありません</translation>
    </message>
    <message>
        <source>The office made no picture of page %1</source>
        <translation>オフィスソフトが %1 ページ目の画像を作成しませんでした</translation>
    </message>
    <message>
        <source>The template must be opened afresh before it is filled again</source>
        <translation>テンプレートに再び差し込む前に、開き直す必要があります</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Wildcards, sounds-like and word-form matching are not available in a search</source>
        <translation>検索ではワイルドカード、あいまい検索、語形検索は使えません</translation>
    </message>
    <message>
        <source>has no sheet named &quot;%1&quot;; its sheets are %2</source>
        <translation>シート「%1」がありません。シートは %2 です</translation>
    </message>
    <message>
        <source>has nothing in sheet &quot;%1&quot;</source>
        <translation>シート「%1」に何もありません</translation>
    </message>
    <message>
        <source>has an empty first row in sheet &quot;%1&quot;: the first row must name the columns</source>
        <translation>シート「%1」の 1 行目が空です: 1 行目には列の名前が必要です</translation>
    </message>
    <message>
        <source>has merged cells (%1) in the first row of sheet &quot;%2&quot;: each column needs its name in a cell of its own</source>
        <translation>シート「%2」の 1 行目に結合されたセル (%1) があります: 各列の名前はそれぞれのセルに入れてください</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>フォルダー %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Sheet as CSV %1</source>
        <translation>Sheet as CSV %1</translation>
    </message>
    <message>
        <source>is protected by a password; save it without one first</source>
        <translation>パスワードで保護されています。先にパスワードなしで保存してください</translation>
    </message>
    <message>
        <source>cannot be read as a spreadsheet: it may be damaged, or another kind of file</source>
        <translation>スプレッドシートとして読み込めません: 破損しているか、別の種類のファイルの可能性があります</translation>
    </message>
    <message>
        <source>is not a spreadsheet (the office reads it as another kind of document)</source>
        <translation>スプレッドシートではありません (オフィスソフトは別の種類の文書として読み込みます)</translation>
    </message>
    <message>
        <source>The office did not write the sheet &quot;%1&quot; as CSV</source>
        <translation>オフィスソフトがシート「%1」を CSV として書き出しませんでした</translation>
    </message>
    <message>
        <source>%1 is not a valid path</source>
        <translation>%1 は有効なパスではありません</translation>
    </message>
    <message>
        <source>The office could not be started: %1</source>
        <translation>オフィスソフトを起動できませんでした: %1</translation>
    </message>
    <message>
        <source>The office did not answer within %1 seconds and has been stopped</source>
        <translation>オフィスソフトが %1 秒以内に応答しなかったため停止しました</translation>
    </message>
    <message>
        <source>Cannot connect to the office: %1</source>
        <translation>オフィスソフトに接続できません: %1</translation>
    </message>
    <message>
        <source>The office did not answer within %1 seconds</source>
        <translation>オフィスソフトが %1 秒以内に応答しませんでした</translation>
    </message>
    <message>
        <source>The office runs without its jail on this computer (bubblewrap is missing or not allowed): only its settings keep a template&apos;s links from your files and the network. Installing bubblewrap (package &quot;bubblewrap&quot;) puts it in its jail.</source>
        <translation>このコンピューターではオフィスソフトがサンドボックスなしで動作しています (bubblewrap がないか、許可されていません): テンプレートのリンクからあなたのファイルやネットワークを守っているのは、オフィスソフトの設定だけです。bubblewrap (パッケージ「bubblewrap」) をインストールすると、サンドボックス内で動作します。</translation>
    </message>
    <message>
        <source>No letter is made: the office cannot run in its jail on this computer (bubblewrap is missing or not allowed), and RequireJail asks for it. Install bubblewrap (package &quot;bubblewrap&quot;), or set RequireJail=false to let the office run without it.</source>
        <translation>レターは作成されません: このコンピューターではオフィスソフトをサンドボックス内で動かせず (bubblewrap がないか、許可されていません)、RequireJail がそれを求めています。bubblewrap (パッケージ「bubblewrap」) をインストールするか、RequireJail=false を設定してサンドボックスなしで動作させてください。</translation>
    </message>
    <message>
        <source>The office did not start within %1 seconds and has been stopped</source>
        <translation>オフィスソフトが %1 秒以内に起動しなかったため停止しました</translation>
    </message>
    <message>
        <source>The office was not needed any more</source>
        <translation>オフィスソフトは不要になりました</translation>
    </message>
    <message>
        <source>No LibreOffice installation was found.</source>
        <translation>LibreOffice のインストールが見つかりませんでした。</translation>
    </message>
    <message>
        <source>the office program could not be run: %1</source>
        <translation>オフィスソフトのプログラムを実行できませんでした: %1</translation>
    </message>
    <message>
        <source>the office process crashed</source>
        <translation>オフィスソフトのプロセスがクラッシュしました</translation>
    </message>
    <message>
        <source>the office process ended with code %1</source>
        <translation>オフィスソフトのプロセスがコード %1 で終了しました</translation>
    </message>
    <message>
        <source>Cannot create a profile folder for the office: %1</source>
        <translation>オフィスソフトのプロファイルフォルダーを作成できません: %1</translation>
    </message>
    <message>
        <source>Cannot reach the office&apos;s connection in %1</source>
        <translation>%1 のオフィスソフトの接続に到達できません</translation>
    </message>
    <message>
        <source>Cannot start %1: %2</source>
        <translation>%1 を起動できません: %2</translation>
    </message>
    <message>
        <source>Cannot create the office&apos;s settings folder %1</source>
        <translation>オフィスソフトの設定フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>The office is no longer running</source>
        <translation>オフィスソフトはもう動作していません</translation>
    </message>
    <message>
        <source>it gave no reason</source>
        <translation>理由は示されませんでした</translation>
    </message>
    <message>
        <source>The office could not go on: %1</source>
        <translation>オフィスソフトが続行できませんでした: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Export as Word 97-2003 (.doc)</source>
        <translation>Word 97-2003 (.doc) としてエクスポート</translation>
    </message>
    <message>
        <source>Export as Word 2007-365 (.docx)</source>
        <translation>Word 2007-365 (.docx) としてエクスポート</translation>
    </message>
    <message>
        <source>Export as OpenDocument (.odt)</source>
        <translation>OpenDocument (.odt) としてエクスポート</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>PDF としてエクスポート</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>%1 を上書きしてもよろしいですか?</translation>
    </message>
    <message>
        <source>Exporting the letter to %1…</source>
        <translation>レターを %1 にエクスポートしています…</translation>
    </message>
    <message>
        <source>The letter could not be exported to %1.</source>
        <translation>レターを %1 にエクスポートできませんでした。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>Printing the letter…</source>
        <translation>レターを印刷しています…</translation>
    </message>
    <message>
        <source>The letter could not be printed.</source>
        <translation>レターを印刷できませんでした。</translation>
    </message>
    <message>
        <source>Printing the letter to %1…</source>
        <translation>レターを %1 に印刷しています…</translation>
    </message>
    <message>
        <source>The letter could not be printed to %1.</source>
        <translation>レターを %1 に印刷できませんでした。</translation>
    </message>
    <message>
        <source>The office wrote no complete %1 file</source>
        <translation>オフィスソフトが完全な %1 ファイルを書き込みませんでした</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>ファイルの保存</translation>
    </message>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Word ファイル (*.doc)</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Scrolls where the screen is too small for the window</source>
        <translation>画面がウィンドウより小さい部分をスクロールします</translation>
    </message>
    <message>
        <source>Contents, up and down</source>
        <translation>内容 (上下)</translation>
    </message>
    <message>
        <source>Scrolls the window&apos;s contents up and down</source>
        <translation>ウィンドウの内容を上下にスクロールします</translation>
    </message>
    <message>
        <source>Contents, sideways</source>
        <translation>内容 (左右)</translation>
    </message>
    <message>
        <source>Scrolls the window&apos;s contents sideways</source>
        <translation>ウィンドウの内容を左右にスクロールします</translation>
    </message>
    <message>
        <source>The application icon is missing from the program</source>
        <translation>アプリケーションのアイコンがプログラムにありません</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot load %1: not a cursor file</source>
        <translation>%1 を読み込めません: カーソルファイルではありません</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>あなたの氏名</translation>
    </message>
    <message>
        <source>your City</source>
        <translation>あなたの市区町村</translation>
    </message>
    <message>
        <source>the recipient&apos;s Zip Code</source>
        <translation>宛先の郵便番号</translation>
    </message>
    <message>
        <source>the recipient&apos;s State</source>
        <translation>宛先の州</translation>
    </message>
    <message>
        <source>the recipient&apos;s Street Address</source>
        <translation>宛先の番地</translation>
    </message>
    <message>
        <source>the recipient&apos;s City</source>
        <translation>宛先の市区町村</translation>
    </message>
    <message>
        <source>your Street Address</source>
        <translation>あなたの番地</translation>
    </message>
    <message>
        <source>the Recipient Name</source>
        <translation>宛先の氏名</translation>
    </message>
    <message>
        <source>your State</source>
        <translation>あなたの州</translation>
    </message>
    <message>
        <source>your Zip Code</source>
        <translation>あなたの郵便番号</translation>
    </message>
    <message>
        <source>the recipient&apos;s Title</source>
        <translation>宛先の役職</translation>
    </message>
    <message>
        <source>the Company Name</source>
        <translation>会社名</translation>
    </message>
    <message>
        <source>the date of the letter, such as &quot;March 3, 2026&quot;</source>
        <translation>レターの日付 (例: 「2026年3月3日」)</translation>
    </message>
    <message>
        <source>Your Phone, set in Letter &gt; Edit Letter Text…</source>
        <translation>あなたの電話番号 ([レター] &gt; [レター本文の編集…] で設定)</translation>
    </message>
    <message>
        <source>Your E-mail, set in Letter &gt; Edit Letter Text…</source>
        <translation>あなたのメールアドレス ([レター] &gt; [レター本文の編集…] で設定)</translation>
    </message>
    <message>
        <source>Your Country, set in Letter &gt; Edit Letter Text…</source>
        <translation>あなたの国 ([レター] &gt; [レター本文の編集…] で設定)</translation>
    </message>
    <message>
        <source>The Recipient&apos;s Country, set in Letter &gt; Edit Letter Text…</source>
        <translation>宛先の国 ([レター] &gt; [レター本文の編集…] で設定)</translation>
    </message>
    <message>
        <source>A letter template holds placeholders, which are filled with your entries:</source>
        <translation>レターのテンプレートにはプレースホルダーがあり、入力内容が差し込まれます:</translation>
    </message>
    <message>
        <source>&lt;p&gt;A placeholder is the name in square brackets, as listed, in any letter case: [yourname] and [YOURNAME] are filled too. It is filled wherever it stands: in the body, headers, footers, tables and text boxes, even when part of it is formatted differently. Each placeholder ends with its bracket, so [City] never matches inside [City2]. An empty field leaves its placeholder empty; text around it stays as you wrote it. An empty Recipient Name is filled as &quot;Hiring Manager&quot; (in a French, German, Spanish or Japanese letter, that language&apos;s words), so the letter reads &quot;Dear Hiring Manager:&quot;.&lt;/p&gt;&lt;p&gt;In a list of letters (tessaline --batch), a column of any other name fills the placeholder of that name: a column &quot;Position&quot; fills [Position]. In the window, Letter &amp;gt; More Fields… gives such a placeholder its value.&lt;/p&gt;&lt;p&gt;To put the built-in letter in your own words, choose Letter &amp;gt; Edit Letter Text…; placeholders work there too. For a letter laid out your own way, choose Letter &amp;gt; Save Built-in Letter As…, change the text around the placeholders in your word processor, and choose the file with Letter &amp;gt; Use My Own Template….&lt;/p&gt;</source>
        <translation>&lt;p&gt;プレースホルダーは、一覧にある名前を角かっこで囲んだもので、大文字と小文字は区別しません: [yourname] や [YOURNAME] にも差し込まれます。本文、ヘッダー、フッター、表、テキストボックスなど、どこにあっても差し込まれ、一部の書式が異なっていても同じです。各プレースホルダーは閉じかっこで終わるため、[City] が [City2] の中で一致することはありません。項目が空ならプレースホルダーも空になり、その周りの文章は書いたとおりに残ります。宛先の氏名が空の場合は「Hiring Manager」(フランス語、ドイツ語、スペイン語、日本語のレターではその言語の言葉) が入り、レターは「Dear Hiring Manager:」となります。&lt;/p&gt;&lt;p&gt;レターのリスト (tessaline --batch) では、ほかの名前の列はその名前のプレースホルダーに差し込まれます: 列「Position」は [Position] に入ります。ウィンドウでは、[レター] &amp;gt; [その他の項目…] でこのようなプレースホルダーに値を設定します。&lt;/p&gt;&lt;p&gt;組み込みのレターを自分の言葉で書くには、[レター] &amp;gt; [レター本文の編集…] を選びます。そこでもプレースホルダーを使えます。独自のレイアウトのレターにするには、[レター] &amp;gt; [組み込みのレターに名前を付けて保存…] を選び、ワープロでプレースホルダーの周りの文章を変更して、[レター] &amp;gt; [自分のテンプレートを使用…] でそのファイルを選択します。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>LibreOffice (its version is still being asked)</source>
        <translation>LibreOffice (バージョンを確認中)</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>%1 %2
Cover letters from twelve short fields.

Word processor: %3
Settings: %4
Scratch files: %5</source>
        <translation>%1 %2
12 個の短い項目からカバーレターを作成します。

ワープロ: %3
設定: %4
一時ファイル: %5</translation>
    </message>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>エラー 842001。Word の通常のインスタンスを作成できませんでした。</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. このコンピューターに Word がインストールされていることを確認してください。</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Word を通常どおり開き、ほかのウィンドウ (Word のファイル回復ウィンドウなど) に妨げられずに、すぐに白紙の文書が開くことを確認してください。</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. DOC または DOCX ファイルをダブルクリックしたときに、メッセージに妨げられずに Word が通常どおり開くことを確認してください。</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. このソフトウェアは、まれな Word Starter と Student エディションを除く、すべてのバージョンの Word に対応しています。</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>理由: %1</translation>
    </message>
    <message>
        <source>The skin component has no member %1</source>
        <translation>スキンコンポーネントにメンバー %1 がありません</translation>
    </message>
    <message>
        <source>LoadSkin needs the skin file&apos;s path</source>
        <translation>LoadSkin にはスキンファイルのパスが必要です</translation>
    </message>
    <message>
        <source>The skin is locked: it has been applied already</source>
        <translation>スキンはロックされています: 既に適用されています</translation>
    </message>
    <message>
        <source>Cannot load the skin %1: %2</source>
        <translation>スキン %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>ApplyWindow needs a window handle</source>
        <translation>ApplyWindow にはウィンドウハンドルが必要です</translation>
    </message>
    <message>
        <source>ApplyWindow: no window has the handle %1</source>
        <translation>ApplyWindow: ハンドル %1 のウィンドウがありません</translation>
    </message>
    <message>
        <source>%1 letters/s</source>
        <translation>%1 通/秒</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already exists; --force replaces it.</source>
        <translation>%1 は既に存在します。--force で置き換えます。</translation>
    </message>
    <message>
        <source>%1 is not written: the run stopped.</source>
        <translation>%1 は書き込まれません: 実行が停止しました。</translation>
    </message>
    <message>
        <source>%1 is not written: no letter was made.</source>
        <translation>%1 は書き込まれません: レターが 1 通も作成されませんでした。</translation>
    </message>
    <message>
        <source>%1 is not written: no office is left to write it.</source>
        <translation>%1 は書き込まれません: 書き込めるオフィスソフトが残っていません。</translation>
    </message>
    <message>
        <source>%1 is not written: %2</source>
        <translation>%1 は書き込まれません: %2</translation>
    </message>
    <message>
        <source>Written %1.</source>
        <translation>%1 を書き込みました。</translation>
    </message>
    <message>
        <source>Written %1, without the rows that made no letter (list lines: %2).</source>
        <translation>%1 を書き込みました。レターにならなかった行は含まれません (リストの行: %2)。</translation>
    </message>
    <message>
        <source>it appeared while the run wrote it, and is kept (--force replaces it)</source>
        <translation>実行中に同じ名前のファイルが現れたため、そちらを残します (--force で置き換えます)</translation>
    </message>
    <message>
        <source>into %1</source>
        <translation>%1 に含めるレター</translation>
    </message>
    <message>
        <source>When</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>会社</translation>
    </message>
    <message>
        <source>Recipient</source>
        <translation>宛先</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>職種</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>printed</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>The record of letters cannot be read: %1.</source>
        <translation>レターの記録を読み込めません: %1。</translation>
    </message>
    <message>
        <source>No letter is in the record yet.</source>
        <translation>レターの記録はまだありません。</translation>
    </message>
    <message>
        <source>%1 is in use by another program</source>
        <translation>%1 は別のプログラムが使用しています</translation>
    </message>
    <message>
        <source>%1 is damaged or is not a record of letters</source>
        <translation>%1 は破損しているか、レターの記録ではありません</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full (%2)</source>
        <translation>%1 のあるディスクがいっぱいです (%2)</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation>%1 のあるディスクがいっぱいです</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 を作成できません</translation>
    </message>
    <message>
        <source>The letter was written, but the record of letters could not be kept: %1.</source>
        <translation>レターは作成しましたが、レターの記録に残せませんでした: %1。</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing</source>
        <translation>Qt の SQLite ドライバーがありません</translation>
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
        <translation>メールに添付するレターを書き出せませんでした。</translation>
    </message>
    <message>
        <source>Writing the letter for the e-mail…</source>
        <translation>メールに添付するレターを書き出しています…</translation>
    </message>
    <message>
        <source>What the question is about</source>
        <translation>質問の内容</translation>
    </message>
    <message>
        <source>%1 names, for a picture, what is not one (%2): the letter is made without it.</source>
        <translation>%1 は画像ではないものを画像として指定しています (%2)。その画像なしでレターを作成します。</translation>
    </message>
    <message>
        <source>The signature picture %1 does not exist.</source>
        <translation>署名の画像 %1 が存在しません。</translation>
    </message>
    <message>
        <source>The signature picture %1 is not a file.</source>
        <translation>署名の画像 %1 はファイルではありません。</translation>
    </message>
    <message>
        <source>The signature picture %1 is larger than %2 MB; save it smaller and choose it again.</source>
        <translation>署名の画像 %1 は %2 MB を超えています。小さいサイズで保存し直してから、もう一度選択してください。</translation>
    </message>
    <message>
        <source>The signature picture %1 cannot be read.</source>
        <translation>署名の画像 %1 を読み込めません。</translation>
    </message>
    <message>
        <source>The signature picture %1 is not a PNG, JPEG or SVG picture.</source>
        <translation>署名の画像 %1 は PNG、JPEG、SVG のいずれの画像でもありません。</translation>
    </message>
    <message>
        <source>Cannot copy the signature picture %1 to the temporary folder</source>
        <translation>署名の画像 %1 を一時フォルダーにコピーできません</translation>
    </message>
    <message>
        <source>PlacePicture</source>
        <translation>PlacePicture</translation>
    </message>
    <message>
        <source>The office cannot tell the size of the picture</source>
        <translation>オフィスソフトが画像のサイズを取得できません</translation>
    </message>
    <message>
        <source>PlacePicture %1</source>
        <translation>PlacePicture %1</translation>
    </message>
    <message>
        <source>The office cannot read the picture %1</source>
        <translation>オフィスソフトが画像 %1 を読み込めません</translation>
    </message>
    <message>
        <source>Your signature picture, chosen in Letter &gt; Edit Letter Text… (else nothing)</source>
        <translation>あなたの署名の画像 ([レター] &gt; [レター本文の編集…] で選択。選択していなければ何も入りません)</translation>
    </message>
    <message>
        <source>--design: the template %1 keeps its own looks.</source>
        <translation>--design: テンプレート %1 は独自の見た目のままです。</translation>
    </message>
    <message>
        <source>Your Web Page, set in Letter &gt; Edit Letter Text…</source>
        <translation>あなたのウェブページ ([レター] &gt; [レター本文の編集…] で設定)</translation>
    </message>
</context>
<context>
    <name>ScreenFit</name>
    <message>
        <source>Window Contents</source>
        <translation>ウィンドウの内容</translation>
    </message>
    <message>
        <source>The window&apos;s controls, which scroll where the screen is too small</source>
        <translation>画面が小さい場合にスクロールするウィンドウのコントロール</translation>
    </message>
    <message>
        <source>Window Vertical Scroll</source>
        <translation>ウィンドウの垂直スクロール</translation>
    </message>
    <message>
        <source>Moves the window&apos;s controls up and down</source>
        <translation>ウィンドウのコントロールを上下に動かします</translation>
    </message>
    <message>
        <source>Window Horizontal Scroll</source>
        <translation>ウィンドウの水平スクロール</translation>
    </message>
    <message>
        <source>Moves the window&apos;s controls left and right</source>
        <translation>ウィンドウのコントロールを左右に動かします</translation>
    </message>
</context>
<context>
    <name>StatusDelegate</name>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
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
        <translation>カバーレターを作成します。オプションなしではウィンドウを開き、--batch を付けるとウィンドウなしで、リスト (CSV、または .xlsx や .ods ファイルの最初のシート) の 1 行ごとに 1 通のレターを書き出します。

リストの 1 行目は列の名前をプレースホルダー名で示します。角かっこの有無、大文字と小文字、スペース、アンダースコア、ハイフンは区別しません (「Company Name」は [CompanyName] に差し込まれます): YourName、StreetAddress、City、ST、ZIPCode、RecipientName、Title、CompanyName、StreetAddress2、City2、ST2、ZIPCode2、CurrentDate、Phone、Email。または、そうした列によく付けられる英語、フランス語、ドイツ語、スペイン語、日本語の名前でもかまいません (下記)。ほかの名前の列はその名前のプレースホルダーに差し込まれ (列 Position から [Position])、--columns で任意の列を手動で割り当てられます。誰の住所かを名前が示さない住所の列 (「City」「PLZ」) は宛先のものになります。ただし、リストに宛先専用の列 (「City2」) もある場合は除きます。そのことは最初のレターの前に 1 行で示され、ウィンドウに保存された内容の代わりに列があなた自身の項目に差し込まれる場合にも 1 行示されます。フィールドの区切りは、1 行目に最も多く含まれるコンマ、セミコロン、タブのいずれかです。あなた自身の項目 (YourName、StreetAddress、City、ST、ZIPCode)、Phone、Email、その他の項目の値は、リストに対応する列がなければウィンドウの設定から取られます。リストに列がない宛先の項目は空になります。CurrentDate の列がなければ日付は今日になります。すべてのフィールドが空の行はスキップされ、ファイル名が空になる行は「Letter」と行番号で名前が付きます。

最初のレターの前に、バッチはレターを確認します: 何も差し込まれないプレースホルダーがあると、そのプレースホルダーとリストの列を示して停止します。あなたの文章 (レター本文、挨拶、結び、同封物の行、またはテンプレート) で使われ、すべてのレターで空になる 12 個の項目のいずれかについても、--allow-empty で空を許可しない限り同様です。すべてのレターで空になるプレースホルダー、何にも差し込まれない列、列が何にも差し込まれない一方ですべてのレターでプレースホルダーに入るその他の項目の値、スペルが間違っている可能性のあるレター本文の単語も示されます。

認識される列の名前:
%1

概要は標準出力に、進捗と各行の報告は標準エラー出力に出力されます。

終了ステータス: 失敗した行がなければ 0 (レターが既に存在するためスキップされた行は完了とみなします)、失敗した行があれば (または --strict が警告を検出したら) 1、コマンドライン、リスト、テンプレートが正しくないか、何も差し込まれないプレースホルダーがあれば 2、中断された場合は 130。</translation>
    </message>
    <message>
        <source>Write one letter per row of &lt;list&gt;: a CSV file, or an .xlsx or .ods spreadsheet.</source>
        <translation>&lt;list&gt; の 1 行ごとに 1 通のレターを書き出す: CSV ファイル、または .xlsx や .ods のスプレッドシート。</translation>
    </message>
    <message>
        <source>Write the letters into &lt;folder&gt; (made when missing).</source>
        <translation>レターを &lt;folder&gt; に書き出す (存在しなければ作成)。</translation>
    </message>
    <message>
        <source>Fill &lt;file&gt; rather than the template chosen in the window (or the built-in one).</source>
        <translation>ウィンドウで選択したテンプレート (または組み込みのテンプレート) の代わりに &lt;file&gt; に差し込む。</translation>
    </message>
    <message>
        <source>Write each letter as &lt;format&gt;: %1 (default doc; give it more than once for several).</source>
        <translation>各レターを &lt;format&gt; で書き出す: %1 (既定は doc。複数指定すると複数の形式で出力)。</translation>
    </message>
    <message>
        <source>Name each file after &lt;pattern&gt; (default &quot;%1&quot;); characters that cannot stand in a file name become &quot;_&quot;.</source>
        <translation>各ファイルに &lt;pattern&gt; に従って名前を付ける (既定は「%1」)。ファイル名に使えない文字は「_」になる。</translation>
    </message>
    <message>
        <source>Run &lt;n&gt; office processes at once (default: one, and one more per %1 letters up to the number of cores, %2 here).</source>
        <translation>オフィスソフトのプロセスを同時に &lt;n&gt; 個実行する (既定: 1 個、%1 通ごとに 1 個ずつ追加、最大でコア数、ここでは %2)。</translation>
    </message>
    <message>
        <source>Replace existing files, keeping their permissions (a read-only file is never replaced); without it an existing file is never touched and its row is reported as skipped.</source>
        <translation>既存のファイルをアクセス許可を保ったまま置き換える (読み取り専用のファイルは置き換えない)。指定しない場合、既存のファイルには触れず、その行はスキップとして報告される。</translation>
    </message>
    <message>
        <source>The list&apos;s fields are separated by &lt;separator&gt;: &quot;,&quot;, &quot;;&quot; or &quot;tab&quot; (default: the one its first row holds most, else a comma).</source>
        <translation>リストのフィールドの区切りを &lt;separator&gt; にする: 「,」「;」「tab」のいずれか (既定: 1 行目に最も多く含まれるもの、なければコンマ)。</translation>
    </message>
    <message>
        <source>Let the placeholders &lt;names&gt; (separated by commas, or &quot;all&quot;) be empty in the letters when nothing fills them, rather than stop.</source>
        <translation>何も差し込まれないとき、停止せずにプレースホルダー &lt;names&gt; (コンマ区切り、または「all」) をレターで空のままにする。</translation>
    </message>
    <message>
        <source>Stop before the first letter, with status 1, when the checks warn (a word that may be misspelled, a column that fills nothing, a placeholder let empty).</source>
        <translation>確認で警告が出た場合 (スペルが間違っている可能性のある単語、何にも差し込まれない列、空のままのプレースホルダー)、最初のレターの前にステータス 1 で停止する。</translation>
    </message>
    <message>
        <source>Map the list&apos;s columns to placeholders by hand: &lt;map&gt; is &quot;COLUMN=PLACEHOLDER&quot; pairs separated by commas (&quot;Where I saw it=Source,Company=CompanyName&quot;). A placeholder the letter does not use is an error.</source>
        <translation>リストの列をプレースホルダーに手動で割り当てる: &lt;map&gt; はコンマで区切った「列=プレースホルダー」の組 (「見つけた場所=Source,会社=CompanyName」)。レターで使われないプレースホルダーはエラーになる。</translation>
    </message>
    <message>
        <source>Write nothing: print every column and what it fills, what comes from the settings and from More Fields, every warning, and the first row&apos;s letter as text; exit as the run would.</source>
        <translation>何も書き出さない: 各列とその差し込み先、設定やその他の項目から取られる値、すべての警告、最初の行のレターをテキストで表示し、実行した場合と同じステータスで終了する。</translation>
    </message>
    <message>
        <source>Read the sheet &lt;name&gt; of an .xlsx or .ods list (default: the first).</source>
        <translation>.xlsx や .ods のリストのシート &lt;name&gt; を読み込む (既定: 最初のシート)。</translation>
    </message>
    <message>
        <source>Stop, with status 2, when the offices cannot run in their jail (bubblewrap), as the setting RequireJail=true does.</source>
        <translation>オフィスソフトがサンドボックス (bubblewrap) 内で動作できない場合、設定 RequireJail=true と同様にステータス 2 で停止する。</translation>
    </message>
    <message>
        <source>Lay the built-in letter out on &lt;paper&gt;: a4 or letter (default: the one chosen in the window, else your locale&apos;s). A template of your own keeps its own paper.</source>
        <translation>組み込みのレターを &lt;paper&gt; の用紙にレイアウトする: a4 または letter (既定: ウィンドウで選択した用紙、なければロケールの用紙)。自分のテンプレートは自身の用紙を保つ。</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>詳しくは「%1 --help」を実行してください。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>使い方: %1 [オプション]</translation>
    </message>
    <message>
        <source>Qt&apos;s options for the window: %1</source>
        <translation>ウィンドウ用の Qt のオプション: %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>--%1 works only with --batch</source>
        <translation>--%1 は --batch と一緒にしか使えません</translation>
    </message>
    <message>
        <source>--out &lt;folder&gt; is missing</source>
        <translation>--out &lt;folder&gt; がありません</translation>
    </message>
    <message>
        <source>--format: unknown format &quot;%1&quot; (known: %2)</source>
        <translation>--format: 不明な形式「%1」(使える形式: %2)</translation>
    </message>
    <message>
        <source>--jobs: &quot;%1&quot; is not a number from 1 to %2</source>
        <translation>--jobs: 「%1」は 1 から %2 までの数ではありません</translation>
    </message>
    <message>
        <source>--separator: &quot;%1&quot; is none of &quot;,&quot;, &quot;;&quot; and &quot;tab&quot;</source>
        <translation>--separator: 「%1」は「,」「;」「tab」のいずれでもありません</translation>
    </message>
    <message>
        <source>--allow-empty: no placeholder named</source>
        <translation>--allow-empty: プレースホルダーが指定されていません</translation>
    </message>
    <message>
        <source>--paper: &quot;%1&quot; is neither &quot;a4&quot; nor &quot;letter&quot;</source>
        <translation>--paper: 「%1」は「a4」でも「letter」でもありません</translation>
    </message>
    <message>
        <source>Keep no record of the letters written (as the setting KeepRecord=false does).</source>
        <translation>作成したレターの記録を残さない (設定 KeepRecord=false と同様)。</translation>
    </message>
    <message>
        <source>Print the record of the letters written, oldest first, and exit.</source>
        <translation>作成したレターの記録を古い順に表示して終了する。</translation>
    </message>
    <message>
        <source>With --letters: print the record as CSV.</source>
        <translation>--letters と一緒に指定: 記録を CSV 形式で表示する。</translation>
    </message>
    <message>
        <source>Also write every letter, in the list&apos;s order and each from a new page, into the one PDF &lt;file&gt;; without --out, only that file is written.</source>
        <translation>さらに、すべてのレターをリストの順に、それぞれ新しいページから始めて 1 つの PDF &lt;file&gt; に書き込む。--out を指定しない場合は、このファイルだけを書き込む。</translation>
    </message>
    <message>
        <source>--csv works only with --letters</source>
        <translation>--csv は --letters と一緒にしか使えません</translation>
    </message>
    <message>
        <source>--letters takes no other option than --csv</source>
        <translation>--letters と一緒に使えるオプションは --csv だけです</translation>
    </message>
    <message>
        <source>--combined: &quot;%1&quot; is not a .pdf file name</source>
        <translation>--combined: 「%1」は .pdf のファイル名ではありません</translation>
    </message>
    <message>
        <source>--format works only with --out</source>
        <translation>--format は --out と一緒にしか使えません</translation>
    </message>
    <message>
        <source>Sign each letter with the picture &lt;file&gt; (PNG, JPEG or SVG) above the typed name, rather than the signature chosen in the window.</source>
        <translation>ウィンドウで選択した署名の代わりに、画像 &lt;file&gt; (PNG、JPEG、SVG) を署名として各レターの入力した氏名の上に入れる。</translation>
    </message>
    <message>
        <source>Make the built-in letter in the design &lt;name&gt;: %1 (default: the one chosen in the window, else classic); &quot;--design list&quot; prints the designs&apos; names. A template of your own keeps its own looks.</source>
        <translation>組み込みのレターをデザイン &lt;name&gt; で作成します: %1 (既定: ウィンドウで選んだもの、なければ classic)。「--design list」でデザイン名を表示します。自分のテンプレートは独自の見た目のままです。</translation>
    </message>
    <message>
        <source>--design: &quot;%1&quot; is no design; the designs are %2</source>
        <translation>--design: 「%1」というデザインはありません。デザインは %2 です</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the window needs a desktop session; use --batch to write letters without a window, or start the window under a virtual X server with xvfb-run</source>
        <translation>ウィンドウにはデスクトップセッションが必要です。ウィンドウなしでレターを書き出すには --batch を使うか、xvfb-run で仮想 X サーバー上でウィンドウを起動してください</translation>
    </message>
    <message>
        <source>no display (DISPLAY is not set): %1</source>
        <translation>ディスプレイがありません (DISPLAY が設定されていません): %1</translation>
    </message>
    <message>
        <source>cannot open the display &quot;%1&quot;: %2</source>
        <translation>ディスプレイ「%1」を開けません: %2</translation>
    </message>
</context>
</TS>
