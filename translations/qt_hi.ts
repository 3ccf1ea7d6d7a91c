<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>QApplication</name>
    <message>
        <source>Executable '%1' requires Qt %2, found Qt %3.</source>
        <translation>प्रोग्राम '%1' को Qt %2 चाहिए, पर Qt %3 मिला।</translation>
    </message>
    <message>
        <source>Incompatible Qt Library Error</source>
        <translation>असंगत Qt लाइब्रेरी त्रुटि</translation>
    </message>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>उपयोग: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[विकल्प]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>विकल्प:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>तर्क:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>अज्ञात विकल्प &apos;%1&apos;।</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>अज्ञात विकल्प: %1।</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; के बाद मान नहीं दिया गया।</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; के बाद अनपेक्षित मान।</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>सत्य</translation>
    </message>
    <message>
        <source>False</source>
        <translation>असत्य</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>चयन सूची खोलें</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फ़ाइलें</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>दिखाएँ: </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' लेखन-सुरक्षित है।
क्या आप इसे फिर भी हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>क्या आप वाकई '%1' को हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>स्थानों और बुकमार्क की सूची</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल का नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नया फ़ोल्डर</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपरी फ़ोल्डर</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नया फ़ोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>यहाँ देखें:</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>फ़ोल्डर खोजें</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>छिपी हुई फ़ाइलें दिखाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस नाम से सहेजें</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
फ़ोल्डर नहीं मिला।
कृपया जाँच लें कि फ़ोल्डर का नाम सही दिया गया है।</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>साइडबार</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>चुनें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें (&amp;R)</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>फ़ोल्डर हटाया नहीं जा सका।</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>फ़ोल्डर:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>आगे जाएँ</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ऊपरी फ़ोल्डर में जाएँ</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>हाल के स्थान</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>पीछे जाएँ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>विस्तृत दृश्य पर जाएँ</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विस्तृत दृश्य</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
फ़ाइल नहीं मिली।
कृपया जाँच लें कि फ़ाइल का नाम सही दिया गया है।</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>सूची दृश्य पर जाएँ</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>किस्म</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>मेरा कंप्यूटर</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>कंप्यूटर</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलाव की तिथि</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>कोई मान लिखें:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>विवरण दिखाएँ...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>विवरण छिपाएँ...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Qt के बारे में</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Qt के बारे में&lt;/h3&gt;&lt;p&gt;यह प्रोग्राम Qt संस्करण %1 का उपयोग करता है।&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>in</source>
        <translation>इंच</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>निचला हाशिया</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>काग़ज़</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>काग़ज़ का स्रोत:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>दायाँ हाशिया</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>पाइका (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>हाशिए</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>पृष्ठ विन्यास</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>चौड़ाई:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>अभिविन्यास</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>डिडो (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>पृष्ठ क्रम:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ऊपरी हाशिया</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>बायाँ हाशिया</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>पृष्ठ का आकार:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>सिसेरो (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>उल्टा खड़ा</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>मिलीमीटर (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>पॉइंट (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>प्रति शीट पृष्ठ:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>इंच (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>उल्टा आड़ा</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ऊँचाई:</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>लेटर / ANSI A</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>लीगल</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>एग्ज़िक्यूटिव (7.5 x 10 इंच)</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>एग्ज़िक्यूटिव (7.25 x 10.5 इंच)</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>टैब्लॉइड / ANSI B</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>लेजर / ANSI B</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>लिफ़ाफ़ा DL</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>लिफ़ाफ़ा C5</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>लिफ़ाफ़ा C4</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>लिफ़ाफ़ा US 10</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 इंच</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>कस्टम (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>कस्टम (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>कस्टम (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>कस्टम (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>कस्टम (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>कस्टम (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 प्लस</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>लेटर प्लस</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>पोस्टकार्ड</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>नोट</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>क्वार्टो</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>फ़ोलियो (8.27 x 13 इंच)</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>निरस्त करें</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>मूल सेटिंग बहाल करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सभी को नहीं (&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सभी सहेजें</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ दें</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सभी को हाँ (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Even Pages</source>
        <translation>सम पृष्ठ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>विकल्प (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>विकल्प (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>बाएँ से दाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>दाएँ से बाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फ़ाइल लिखें</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>'प्रति शीट पृष्ठ' और 'पृष्ठ समूह' विकल्प एक साथ उपयोग नहीं किए जा सकते।
कृपया इनमें से एक विकल्प बंद करें।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे अधिलेखित करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>बाएँ से दाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>विषम पृष्ठ</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>स्थानीय फ़ाइल</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>दोनों ओर छपाई की सेटिंग में टकराव है। क्या आप इन्हें ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>फ़ाइल में छापें (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>फ़ाइल में छापें ...</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>पृष्ठों का अमान्य विवरण</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 सही प्रारूप में नहीं है। कृपया पृष्ठों और श्रेणियों को अलग करने के लिए ',' और श्रेणी बताने के लिए '-' का उपयोग करें, और ध्यान रखें कि श्रेणियाँ एक-दूसरे पर न चढ़ें।</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>दाएँ से बाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>नीचे से ऊपर, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>'से' का मान 'तक' के मान से बड़ा नहीं हो सकता।</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>सभी पृष्ठ</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>दोनों ओर छपाई की सेटिंग में टकराव</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 एक फ़ोल्डर है।
कृपया कोई दूसरा फ़ाइल नाम चुनें।</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>फ़ाइल %1 में लिखा नहीं जा सकता।
कृपया कोई दूसरा फ़ाइल नाम चुनें।</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>नीचे से ऊपर, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>ऊपर से नीचे, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>ऊपर से नीचे, दाएँ से बाएँ</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>छपाई पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>पूरा पृष्ठ दिखाएँ</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>बड़ा करें</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>छोटा करें</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>पूरी चौड़ाई दिखाएँ</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>पृष्ठ सेटअप</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>पृष्ठ सेटअप</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>सभी पृष्ठों का सारांश दिखाएँ</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>पहला पृष्ठ</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>अंतिम पृष्ठ</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>एक पृष्ठ दिखाएँ</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>PDF में निर्यात करें</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>पिछला पृष्ठ</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>अगला पृष्ठ</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>आमने-सामने के पृष्ठ दिखाएँ</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>कुछ विकल्पों में टकराव है। कृपया इन्हें ठीक करें।</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>उन्नत</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>से</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>रंगीन</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>सब छापें</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>वर्तमान पृष्ठ</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>चयन</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>प्रतियाँ</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>छपाई की सीमा</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>रंग मोड</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>आउटपुट सेटिंग</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>उल्टे क्रम में</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>ग्रेस्केल</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>क्रम से मिलाएँ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>प्रतियाँ:</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>छोटी ओर से जिल्द</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>पृष्ठ या श्रेणियाँ अल्पविराम से अलग करके लिखें। श्रेणी हाइफ़न से जुड़ी दो संख्याओं से लिखी जाती है। उदाहरण: 3,5-7,9 लिखने पर पृष्ठ 3, 5, 6, 7 और 9 छपेंगे।</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>दोनों ओर छपाई</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>पृष्ठ समूह:</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>लम्बी ओर से जिल्द</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>प्रकार:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>आउटपुट फ़ाइल (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>गुण (&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>प्रिंटर</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>स्थान:</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translation>सबसे ऊपर</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>नीचे स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>यहाँ तक स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>बाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>सबसे नीचे</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>एक पृष्ठ ऊपर</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>एक पृष्ठ दाएँ</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>ऊपर स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>दाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>बायाँ किनारा</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>एक पृष्ठ नीचे</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>एक पृष्ठ बाएँ</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>दायाँ किनारा</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Backtab</source>
        <translation>Backtab</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>CapsLock</translation>
    </message>
    <message>
        <source>NumLock</source>
        <translation>NumLock</translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation>ScrollLock</translation>
    </message>
    <message>
        <source>SysReq</source>
        <translation>SysReq</translation>
    </message>
    <message>
        <source>System Request</source>
        <translation>System Request</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>ताज़ा करें</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>बड़ा करें</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>छोटा करें</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>कॉपी</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>चिपकाएँ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>काटें</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>पूर्ववत</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>आवाज़ बढ़ाएँ</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>आवाज़ घटाएँ</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>आवाज़ बंद</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>बाएँ स्क्रॉल करें</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>दाएँ स्क्रॉल करें</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>लिंक का पता कॉपी करें (&amp;L)</translation>
    </message>
</context>
</TS>
