<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>PlaceLink</name>
    <message>
        <source>The coordinates and zone are still those of %1.</source>
        <translation>निर्देशांक और समय क्षेत्र अब भी %1 के ही हैं।</translation>
    </message>
    <message>
        <source>The coordinates are still those of %1.</source>
        <translation>निर्देशांक अब भी %1 के ही हैं।</translation>
    </message>
    <message>
        <source>The zone is still that of %1.</source>
        <translation>समय क्षेत्र अब भी %1 का ही है।</translation>
    </message>
    <message>
        <source>the city now reads %1</source>
        <translation>शहर में अब %1 लिखा है</translation>
    </message>
    <message>
        <source>the state now reads %1</source>
        <translation>राज्य में अब %1 लिखा है</translation>
    </message>
    <message>
        <source>the country now reads %1</source>
        <translation>देश में अब %1 लिखा है</translation>
    </message>
    <message>
        <source>The coordinates and time zone are those of %1, but %2.</source>
        <translation>निर्देशांक और समय क्षेत्र %1 के हैं, लेकिन %2।</translation>
    </message>
    <message>
        <source>The coordinates are those of %1, but %2.</source>
        <translation>निर्देशांक %1 के हैं, लेकिन %2।</translation>
    </message>
    <message>
        <source>The time zone is that of %1, but %2.</source>
        <translation>समय क्षेत्र %1 का है, लेकिन %2।</translation>
    </message>
    <message>
        <source>Calculate with the coordinates %1 and the time zone %2?</source>
        <translation>क्या निर्देशांक %1 और समय क्षेत्र %2 से गणना करें?</translation>
    </message>
    <message>
        <source>Calculate with the coordinates %1?</source>
        <translation>क्या निर्देशांक %1 से गणना करें?</translation>
    </message>
    <message>
        <source>Calculate with the time zone %1?</source>
        <translation>क्या समय क्षेत्र %1 से गणना करें?</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
</context>
<context>
    <name>nyra::BirthLine</name>
    <message>
        <source>Born %1 at %2</source>
        <translation>जन्म %1, स्थान %2</translation>
    </message>
    <message>
        <source>%1, born %2 at %3</source>
        <translation>%1, जन्म %2, स्थान %3</translation>
    </message>
</context>
<context>
    <name>nyra::CommandLine</name>
    <message>
        <source>The window system plugin: xcb, wayland, offscreen, ...</source>
        <translation>विंडो सिस्टम प्लगइन: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>Where to look for window system plugins.</source>
        <translation>विंडो सिस्टम प्लगइन कहाँ खोजे जाएँ।</translation>
    </message>
    <message>
        <source>The desktop theme plugin.</source>
        <translation>डेस्कटॉप थीम प्लगइन।</translation>
    </message>
    <message>
        <source>An input plugin to load; may be given more than once.</source>
        <translation>लोड करने के लिए इनपुट प्लगइन; एक से अधिक बार दिया जा सकता है।</translation>
    </message>
    <message>
        <source>Size and place of the first window, as 800x600+20+20.</source>
        <translation>पहली विंडो का आकार और स्थान, जैसे 800x600+20+20।</translation>
    </message>
    <message>
        <source>The same as -qwindowgeometry.</source>
        <translation>-qwindowgeometry के समान।</translation>
    </message>
    <message>
        <source>The windows&apos; icon.</source>
        <translation>विंडो का आइकन।</translation>
    </message>
    <message>
        <source>The same as -qwindowicon.</source>
        <translation>-qwindowicon के समान।</translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation>पहली विंडो का शीर्षक।</translation>
    </message>
    <message>
        <source>The same as -qwindowtitle.</source>
        <translation>-qwindowtitle के समान।</translation>
    </message>
    <message>
        <source>Lays the windows out from right to left.</source>
        <translation>विंडो को दाएँ से बाएँ सजाता है।</translation>
    </message>
    <message>
        <source>Restores a session of the desktop&apos;s session manager.</source>
        <translation>डेस्कटॉप के सत्र प्रबंधक का सत्र फिर से खोलता है।</translation>
    </message>
    <message>
        <source>The X display to use instead of $DISPLAY.</source>
        <translation>$DISPLAY के स्थान पर उपयोग होने वाला X डिस्प्ले।</translation>
    </message>
    <message>
        <source>The program&apos;s name towards the X window manager.</source>
        <translation>X विंडो मैनेजर के लिए प्रोग्राम का नाम।</translation>
    </message>
    <message>
        <source>The X visual to use.</source>
        <translation>उपयोग होने वाला X विज़ुअल।</translation>
    </message>
    <message>
        <source>Never grabs the mouse.</source>
        <translation>माउस को कभी नहीं पकड़ता।</translation>
    </message>
    <message>
        <source>Grabs the mouse even under a debugger.</source>
        <translation>डीबगर में भी माउस को पकड़ता है।</translation>
    </message>
    <message>
        <source>The widget style, such as Fusion.</source>
        <translation>विजेट की शैली, जैसे Fusion।</translation>
    </message>
    <message>
        <source>A style sheet for the windows.</source>
        <translation>विंडो के लिए स्टाइल शीट।</translation>
    </message>
    <message>
        <source>Says at the end how many widgets were left.</source>
        <translation>अंत में बताता है कि कितने विजेट बचे रह गए।</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>यह सहायता दिखाता है।</translation>
    </message>
    <message>
        <source>Shows this help with Qt&apos;s own options.</source>
        <translation>यह सहायता Qt के अपने विकल्पों के साथ दिखाता है।</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>प्रोग्राम का संस्करण दिखाता है।</translation>
    </message>
    <message>
        <source>Finds a Vedic Moon sign from birth data. Given a saved record, opens it as
&quot;Open Previously Saved Record&quot; would and shows the result.</source>
        <translation>जन्म विवरण से वैदिक चन्द्र राशि बताता है। सहेजा गया रिकॉर्ड दिया जाए तो उसे
“पहले सहेजा गया रिकॉर्ड खोलें” की तरह खोलकर परिणाम दिखाता है।</translation>
    </message>
    <message>
        <source>A saved birth record to open.</source>
        <translation>खोलने के लिए सहेजा गया जन्म रिकॉर्ड।</translation>
    </message>
    <message>
        <source>only one record file can be opened at a time</source>
        <translation>एक बार में केवल एक रिकॉर्ड फ़ाइल खोली जा सकती है</translation>
    </message>
</context>
<context>
    <name>nyra::Dialogs</name>
    <message>
        <source>Select the source file</source>
        <translation>स्रोत फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>Nyra Free Moon Sign Astrology (*.moo)</source>
        <translation>Nyra Free Moon Sign ज्योतिष (*.moo)</translation>
    </message>
</context>
<context>
    <name>nyra::EntryCheck</name>
    <message>
        <source>Degree of Longitude</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>Minute of Longitude</source>
        <translation>देशांतर के मिनट</translation>
    </message>
    <message>
        <source>Degree of Latitude</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Minute of Latitude</source>
        <translation>अक्षांश के मिनट</translation>
    </message>
    <message>
        <source>Hour of Time Zone</source>
        <translation>समय क्षेत्र के घण्टे</translation>
    </message>
    <message>
        <source>Minute of Time Zone</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <source>The value in %1 is not a whole number %2.</source>
        <translation>%1 में दिया गया मान %2 तक की कोई पूर्ण संख्या नहीं है।</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>कृपया समय क्षेत्र के घण्टे और मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर के मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>कृपया अक्षांश के मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तिथि या महीना चुनें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तिथि या महीना चुनें !</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1 से %2</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक ही स्वीकार किए जाते हैं</translation>
    </message>
    <message>
        <source>This box takes at most %1 digits.</source>
        <translation>इस खाने में अधिक से अधिक %1 अंक आ सकते हैं।</translation>
    </message>
</context>
<context>
    <name>nyra::HelpMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाई करें (&amp;O)</translation>
    </message>
</context>
<context>
    <name>nyra::ImpossiblePlace</name>
    <message>
        <source>Latitude %1° %2′</source>
        <translation>अक्षांश %1° %2′</translation>
    </message>
    <message>
        <source>is beyond the pole</source>
        <translation>ध्रुव से भी आगे है</translation>
    </message>
    <message>
        <source>a degree has only 60 minutes</source>
        <translation>एक अंश में केवल 60 कला होती हैं</translation>
    </message>
    <message>
        <source>Longitude %1° %2′</source>
        <translation>देशांतर %1° %2′</translation>
    </message>
    <message>
        <source>is past 180°, halfway round the globe</source>
        <translation>180° से आगे है, यानी पृथ्वी के आधे चक्कर से भी पार</translation>
    </message>
    <message>
        <source>A time zone of %1:%2</source>
        <translation>%1:%2 का समय क्षेत्र</translation>
    </message>
    <message>
        <source>is beyond the 14 hours of any zone on Earth</source>
        <translation>पृथ्वी के किसी भी समय क्षेत्र की 14 घण्टे की सीमा से आगे है</translation>
    </message>
    <message>
        <source>an hour has only 60 minutes</source>
        <translation>एक घण्टे में केवल 60 मिनट होते हैं</translation>
    </message>
    <message>
        <source>%1 %2, and %3.</source>
        <translation>%1 %2, और %3।</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2।</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2।</translation>
    </message>
    <message>
        <source>Calculate anyway?</source>
        <translation>फिर भी गणना करें?</translation>
    </message>
</context>
<context>
    <name>nyra::Language</name>
    <message>
        <source>en</source>
        <extracomment>The ISO 639-1 code of this translation&apos;s language (&quot;hi&quot; for Hindi), nothing else.</extracomment>
        <translation>hi</translation>
    </message>
</context>
<context>
    <name>nyra::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of languages; a translation may keep the English word beside its own, for whoever cannot read it.</extracomment>
        <translation>भाषा / &amp;Language</translation>
    </message>
</context>
<context>
    <name>nyra::NoticeFrame</name>
    <message>
        <source>Less</source>
        <translation>कम</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>विवरण</translation>
    </message>
    <message>
        <source>Show less</source>
        <translation>कम दिखाएँ</translation>
    </message>
    <message>
        <source>Show the whole notice</source>
        <translation>पूरी सूचना दिखाएँ</translation>
    </message>
</context>
<context>
    <name>nyra::PreciseLine</name>
    <message>
        <source>Ayanamsa for the precise position</source>
        <translation>सटीक स्थिति के लिए अयनांश</translation>
    </message>
    <message>
        <source>Ayanamsa of the calculation</source>
        <translation>गणना का अयनांश</translation>
    </message>
</context>
<context>
    <name>nyra::Printing</name>
    <message>
        <source>The printing system refused the job.</source>
        <translation>छपाई प्रणाली ने यह काम अस्वीकार कर दिया।</translation>
    </message>
    <message>
        <source>The printer is not accepting jobs.</source>
        <translation>प्रिंटर अभी कोई काम स्वीकार नहीं कर रहा है।</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>प्रिंटर ने एक त्रुटि बताई।</translation>
    </message>
</context>
<context>
    <name>nyra::Promotions</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के नाम से को-ब्रांड करें।  अपनी साइट के प्रति निष्ठा और ट्रैफ़िक बढ़ाएँ। अपनी साइट का नाम &amp;  लिंक यहाँ लगाएँ। विवरण के लिए &quot;सहायता&quot; देखें।    को-ब्रांडिंग की अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाई करें। इस सॉफ़्टवेयर को पूरी तरह अपनी वेबसाइट के ब्रांड में पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
</context>
<context>
    <name>nyra::RecordHandover</name>
    <message>
        <source>the program listening there runs as another user</source>
        <translation>वहाँ सुन रहा प्रोग्राम किसी दूसरे उपयोगकर्ता के रूप में चल रहा है</translation>
    </message>
    <message>
        <source>the running copy did not take the file</source>
        <translation>चल रही प्रति ने फ़ाइल नहीं ली</translation>
    </message>
</context>
<context>
    <name>nyra::RecordOpening</name>
    <message>
        <source>the file is empty.</source>
        <translation>फ़ाइल ख़ाली है।</translation>
    </message>
    <message>
        <source>Line %1 (%2): %3</source>
        <translation>पंक्ति %1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>nyra::ReplaceQuestion</name>
    <message>
        <source>%1 is a link to %2. Replace %3?</source>
        <translation>%1, %2 की ओर एक लिंक है। क्या %3 को बदल दें?</translation>
    </message>
</context>
<context>
    <name>nyra::Report</name>
    <message>
        <source>Vedic Name: </source>
        <translation>वैदिक नाम: </translation>
    </message>
    <message>
        <source>English Name: </source>
        <translation>अंग्रेज़ी नाम: </translation>
    </message>
    <message>
        <source>Rulling Planet / Lord: </source>
        <translation>स्वामी ग्रह / अधिपति: </translation>
    </message>
    <message>
        <source>Symbol: </source>
        <translation>प्रतीक: </translation>
    </message>
    <message>
        <source>Element / Inborn Nature: </source>
        <translation>तत्व / जन्मजात स्वभाव: </translation>
    </message>
    <message>
        <source>Sign Color: </source>
        <translation>राशि का रंग: </translation>
    </message>
    <message>
        <source>Type Of Sign: </source>
        <translation>राशि का प्रकार: </translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>लिंग: </translation>
    </message>
    <message>
        <source>Fruitful / Barren: </source>
        <translation>फलदायी / बंजर: </translation>
    </message>
    <message>
        <source>Sign Caste: </source>
        <translation>राशि का वर्ण: </translation>
    </message>
    <message>
        <source>Sign Position: </source>
        <translation>राशि की स्थिति: </translation>
    </message>
    <message>
        <source>Constituent Characters: </source>
        <translation>संघटक स्वरूप: </translation>
    </message>
    <message>
        <source>Part of the Body: </source>
        <translation>शरीर का अंग: </translation>
    </message>
    <message>
        <source>Physique: </source>
        <translation>शारीरिक गठन: </translation>
    </message>
    <message>
        <source>Looks: </source>
        <translation>रूप-रंग: </translation>
    </message>
    <message>
        <source>Nature: </source>
        <translation>स्वभाव: </translation>
    </message>
    <message>
        <source>Career And Finance: </source>
        <translation>करियर और धन: </translation>
    </message>
    <message>
        <source>Love And Domestic Life: </source>
        <translation>प्रेम और घरेलू जीवन: </translation>
    </message>
    <message>
        <source>Compatible with: </source>
        <translation>अनुकूल राशियाँ: </translation>
    </message>
    <message>
        <source>Not Compatible with: </source>
        <translation>प्रतिकूल राशियाँ: </translation>
    </message>
    <message>
        <source>Health: </source>
        <translation>स्वास्थ्य: </translation>
    </message>
    <message>
        <source>Lucky Days: </source>
        <translation>शुभ दिन: </translation>
    </message>
    <message>
        <source>Lucky Numbers: </source>
        <translation>शुभ अंक: </translation>
    </message>
    <message>
        <source>Best Direction: </source>
        <translation>शुभ दिशा: </translation>
    </message>
    <message>
        <source>Lucky Colors: </source>
        <translation>शुभ रंग: </translation>
    </message>
    <message>
        <source>Lucky Gemstone: </source>
        <translation>शुभ रत्न: </translation>
    </message>
    <message>
        <source>Best Period of Activity: </source>
        <translation>सबसे सक्रिय समय: </translation>
    </message>
    <message>
        <source>Common: </source>
        <translation>सामान्य: </translation>
    </message>
    <message>
        <source>Sign Characteristics: </source>
        <translation>राशि की विशेषताएँ: </translation>
    </message>
    <message>
        <source>Physique And Looks: </source>
        <translation>गठन और रूप-रंग: </translation>
    </message>
    <message>
        <source>Human Nature: </source>
        <translation>मानवीय स्वभाव: </translation>
    </message>
    <message>
        <source>Love And Compatibility: </source>
        <translation>प्रेम और अनुकूलता: </translation>
    </message>
    <message>
        <source>Lucky For....Rashi: </source>
        <translation>....राशि के लिए शुभ: </translation>
    </message>
</context>
<context>
    <name>nyra::ReportTitle</name>
    <message>
        <source>Moon Sign Report</source>
        <translation>चन्द्र राशि रिपोर्ट</translation>
    </message>
    <message>
        <source>, daylight saving time</source>
        <translation>, डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>द</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>उ</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>पू</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>प</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>नाम: </translation>
    </message>
    <message>
        <source>Born: </source>
        <translation>जन्म: </translation>
    </message>
    <message>
        <source>Birth time: </source>
        <translation>जन्म समय: </translation>
    </message>
    <message>
        <source>Place: </source>
        <translation>स्थान: </translation>
    </message>
    <message>
        <source>Moon sign: </source>
        <translation>चन्द्र राशि: </translation>
    </message>
    <message>
        <source>Possible Moon signs: </source>
        <translation>सम्भावित चन्द्र राशियाँ: </translation>
    </message>
    <message>
        <source>Moon: </source>
        <translation>चन्द्र: </translation>
    </message>
    <message>
        <source>Nakshatra: </source>
        <translation>नक्षत्र: </translation>
    </message>
    <message>
        <source>Calculated with: </source>
        <translation>गणना का आधार: </translation>
    </message>
    <message>
        <source>%1, pada %2</source>
        <translation>%1, पद %2</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>कोई फ़ाइल नाम नहीं दिया गया।</translation>
    </message>
    <message>
        <source>The PDF could not be made.</source>
        <translation>PDF बनाई नहीं जा सकी।</translation>
    </message>
</context>
<context>
    <name>nyra::SaveLocation</name>
    <message>
        <source>Moon sign</source>
        <translation>चन्द्र राशि</translation>
    </message>
</context>
<context>
    <name>nyra::SignHeadline</name>
    <message>
        <source>Picture of %1</source>
        <translation>%1 का चित्र</translation>
    </message>
    <message>
        <source>%1, symbol of %2</source>
        <translation>%1, %2 का प्रतीक</translation>
    </message>
    <message>
        <source>Moon at %1</source>
        <translation>चन्द्र %1 पर</translation>
    </message>
    <message>
        <source>Nakshatra %1, pada %2 (lord %3)</source>
        <translation>नक्षत्र %1, पद %2 (स्वामी %3)</translation>
    </message>
    <message>
        <source>Ayanamsa: %1 %2</source>
        <translation>अयनांश: %1 %2</translation>
    </message>
    <message>
        <source>Calculated with %1</source>
        <translation>गणना का आधार: %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 या %2</translation>
    </message>
    <message>
        <source>At %1, the clock time used: %2</source>
        <translation>प्रयुक्त घड़ी के समय %1 पर: %2</translation>
    </message>
    <message>
        <source>Times are on the clock of %1 as it read then, daylight saving changes included.</source>
        <translation>समय %1 की घड़ी के अनुसार हैं, जैसी वह उस समय चल रही थी; डेलाइट सेविंग के बदलाव शामिल हैं।</translation>
    </message>
</context>
<context>
    <name>nyra::SignTabs</name>
    <message>
        <source>English Name</source>
        <translation>अंग्रेज़ी नाम</translation>
    </message>
    <message>
        <source>This signifies the English name for the Vedic moon sign.</source>
        <translation>यह वैदिक चन्द्र राशि का अंग्रेज़ी नाम बताता है।</translation>
    </message>
    <message>
        <source>Rulling Planet</source>
        <translation>स्वामी ग्रह</translation>
    </message>
    <message>
        <source>This signifies the planet that exercises a powerful energy on the sign.</source>
        <translation>यह उस ग्रह को बताता है जो इस राशि पर प्रबल प्रभाव डालता है।</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>प्रतीक</translation>
    </message>
    <message>
        <source>This signifies the picture associated with the moon sign.</source>
        <translation>यह इस चन्द्र राशि से जुड़ा चित्र बताता है।</translation>
    </message>
    <message>
        <source>Inborn Nature</source>
        <translation>जन्मजात स्वभाव</translation>
    </message>
    <message>
        <source>This describes the human characteristics of this sign.</source>
        <translation>यह इस राशि के मानवीय गुणों का वर्णन करता है।</translation>
    </message>
    <message>
        <source>Sign Color</source>
        <translation>राशि का रंग</translation>
    </message>
    <message>
        <source>This signifies the color associated with the sign.</source>
        <translation>यह इस राशि से जुड़ा रंग बताता है।</translation>
    </message>
    <message>
        <source>Type Of Sign</source>
        <translation>राशि का प्रकार</translation>
    </message>
    <message>
        <source>This signifies the attitude of the people under this sign.</source>
        <translation>यह इस राशि के लोगों का दृष्टिकोण बताता है।</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>लिंग</translation>
    </message>
    <message>
        <source>The male rashis are more dynamic in nature while the female rashis are passive by nature.</source>
        <translation>पुरुष राशियाँ स्वभाव से अधिक सक्रिय होती हैं, जबकि स्त्री राशियाँ स्वभाव से निष्क्रिय होती हैं।</translation>
    </message>
    <message>
        <source>Barren / Fruitful</source>
        <translation>बंजर / फलदायी</translation>
    </message>
    <message>
        <source>This classifies the signs on basis of fertility.</source>
        <translation>यह राशियों को उर्वरता के आधार पर वर्गीकृत करता है।</translation>
    </message>
    <message>
        <source>Sign Caste</source>
        <translation>राशि का वर्ण</translation>
    </message>
    <message>
        <source>This classifies the sign based on caste into Brahmana (the seeker and teacher of knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) and the Sudras (the workers).</source>
        <translation>यह राशि को वर्ण के आधार पर ब्राह्मण (ज्ञान के खोजी और शिक्षक), क्षत्रिय (योद्धा, शासक), वैश्य (उद्योगपति, धन के सृजक) और शूद्र (श्रमिक) में वर्गीकृत करता है।</translation>
    </message>
    <message>
        <source>Sign Position</source>
        <translation>राशि की स्थिति</translation>
    </message>
    <message>
        <source>This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), Garbha (Inside).</source>
        <translation>यह राशि को स्थिति के आधार पर द्वार (प्रवेश), बाह्य (बाहर) और गर्भ (भीतर) में वर्गीकृत करता है।</translation>
    </message>
    <message>
        <source>Constituent Character</source>
        <translation>संघटक स्वरूप</translation>
    </message>
    <message>
        <source>This classifies the sign based on constituent making into Dhatu (Mineral), Moola (Vegetable) and Jeeva (Animal). </source>
        <translation>यह राशि को उसके संघटन के आधार पर धातु (खनिज), मूल (वनस्पति) और जीव (प्राणी) में वर्गीकृत करता है। </translation>
    </message>
    <message>
        <source>Part Of The Body</source>
        <translation>शरीर का अंग</translation>
    </message>
    <message>
        <source>This shows the parts of the bodies that the different signs represent.</source>
        <translation>यह दिखाता है कि अलग-अलग राशियाँ शरीर के किन अंगों का प्रतिनिधित्व करती हैं।</translation>
    </message>
    <message>
        <source>Physique</source>
        <translation>शारीरिक गठन</translation>
    </message>
    <message>
        <source>This signifies the general stature of people born under this sign. </source>
        <translation>यह इस राशि में जन्मे लोगों की सामान्य कद-काठी बताता है। </translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>रूप-रंग</translation>
    </message>
    <message>
        <source>This signifies the physical appearance of people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों का शारीरिक रूप-रंग बताता है।</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>स्वभाव</translation>
    </message>
    <message>
        <source>This signifies the human nature of people born under this sign. </source>
        <translation>यह इस राशि में जन्मे लोगों का मानवीय स्वभाव बताता है। </translation>
    </message>
    <message>
        <source>Career And Finance</source>
        <translation>करियर और धन</translation>
    </message>
    <message>
        <source>This shows their career interests and financial habits.</source>
        <translation>यह उनकी करियर संबंधी रुचियाँ और धन संबंधी आदतें दिखाता है।</translation>
    </message>
    <message>
        <source>Love And Domestic Life</source>
        <translation>प्रेम और घरेलू जीवन</translation>
    </message>
    <message>
        <source>This signifies born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों का प्रेम और घरेलू जीवन बताता है।</translation>
    </message>
    <message>
        <source>Compatible With</source>
        <translation>अनुकूल राशियाँ</translation>
    </message>
    <message>
        <source>This signifies the other rashis/ moon signs that are compatible with this sign.</source>
        <translation>यह उन दूसरी राशियों/चन्द्र राशियों को बताता है जो इस राशि के अनुकूल हैं।</translation>
    </message>
    <message>
        <source>Not Compatible With</source>
        <translation>प्रतिकूल राशियाँ</translation>
    </message>
    <message>
        <source>This signifies the other rashis/ moon signs that are not compatible with this sign.</source>
        <translation>यह उन दूसरी राशियों/चन्द्र राशियों को बताता है जो इस राशि के अनुकूल नहीं हैं।</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>स्वास्थ्य</translation>
    </message>
    <message>
        <source>This signifies the health issues of people born under this rashi.</source>
        <translation>यह इस राशि में जन्मे लोगों की स्वास्थ्य संबंधी समस्याएँ बताता है।</translation>
    </message>
    <message>
        <source>Lucky Days</source>
        <translation>शुभ दिन</translation>
    </message>
    <message>
        <source>This signifies the lucky days for people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों के लिए शुभ दिन बताता है।</translation>
    </message>
    <message>
        <source>Lucky Numbers</source>
        <translation>शुभ अंक</translation>
    </message>
    <message>
        <source>This signifies the lucky numbers for people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों के लिए शुभ अंक बताता है।</translation>
    </message>
    <message>
        <source>Best Direction</source>
        <translation>शुभ दिशा</translation>
    </message>
    <message>
        <source>This signifies the lucky directions for people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों के लिए शुभ दिशाएँ बताता है।</translation>
    </message>
    <message>
        <source>Lucky Colors</source>
        <translation>शुभ रंग</translation>
    </message>
    <message>
        <source>This signifies the lucky colors for people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों के लिए शुभ रंग बताता है।</translation>
    </message>
    <message>
        <source>Lucky Gemstone</source>
        <translation>शुभ रत्न</translation>
    </message>
    <message>
        <source>This signifies the lucky gemstones for people born under this sign.</source>
        <translation>यह इस राशि में जन्मे लोगों के लिए शुभ रत्न बताता है।</translation>
    </message>
    <message>
        <source>Best Period Of Activity</source>
        <translation>सबसे सक्रिय समय</translation>
    </message>
    <message>
        <source>This shows the best period of the day when people of this sign are more active.</source>
        <translation>यह दिन का वह सबसे अच्छा समय दिखाता है जब इस राशि के लोग अधिक सक्रिय रहते हैं।</translation>
    </message>
    <message>
        <source>Sign Characteristics</source>
        <translation>राशि की विशेषताएँ</translation>
    </message>
    <message>
        <source>Physique And Looks</source>
        <translation>गठन और रूप-रंग</translation>
    </message>
    <message>
        <source>Human Nature</source>
        <translation>मानवीय स्वभाव</translation>
    </message>
    <message>
        <source>Career and Finance</source>
        <translation>करियर और धन</translation>
    </message>
    <message>
        <source>Love And Compatibility</source>
        <translation>प्रेम और अनुकूलता</translation>
    </message>
    <message>
        <source>Lucky for.... Rashi</source>
        <translation>.... राशि के लिए शुभ</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>सॉफ़्टवेयर के बारे में</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <translatorcomment>Order: %2 %1</translatorcomment>
        <translation>%2 के लिए %1</translation>
    </message>
    <message>
        <source>Sign description</source>
        <translation>राशि विवरण</translation>
    </message>
    <message>
        <source>Lucky for %1</source>
        <translation>%1 के लिए शुभ</translation>
    </message>
</context>
<context>
    <name>nyra::Start</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>Application is already running, but &quot;%1&quot; could not be handed to it: %2.</source>
        <translation>प्रोग्राम पहले से चल रहा है, लेकिन &quot;%1&quot; को उसे सौंपा नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; names no running copy of the program but cannot be replaced: %2. Remove it and start the program again.</source>
        <translation>लॉक फ़ाइल &quot;%1&quot; प्रोग्राम की किसी चलती प्रति की ओर संकेत नहीं करती, फिर भी उसे बदला नहीं जा सकता: %2। उसे हटाकर प्रोग्राम फिर से शुरू करें।</translation>
    </message>
</context>
<context>
    <name>nyra::TimeKnownList</name>
    <message>
        <source>exactly</source>
        <translation>बिलकुल ठीक</translation>
    </message>
    <message>
        <source>within 15 min</source>
        <translation>15 मिनट के भीतर</translation>
    </message>
    <message>
        <source>within 1 hour</source>
        <translation>1 घण्टे के भीतर</translation>
    </message>
    <message>
        <source>within 2 hours</source>
        <translation>2 घण्टे के भीतर</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>ज्ञात नहीं</translation>
    </message>
    <message>
        <source>If you know the time of birth only roughly or not at all, say how well, and the result lists every Moon sign of that stretch of time with its share.</source>
        <translation>यदि आपको जन्म समय केवल मोटे तौर पर पता है या बिलकुल पता नहीं, तो बताएँ कि कितना पता है; परिणाम में उस पूरी अवधि की हर चन्द्र राशि उसके हिस्से के साथ दिखाई जाएगी।</translation>
    </message>
</context>
<context>
    <name>nyra::ZoneNote</name>
    <message>
        <source>on UTC</source>
        <translation>UTC के बराबर</translation>
    </message>
    <message>
        <source>ahead of UTC by %1</source>
        <translation>UTC से %1 आगे</translation>
    </message>
    <message>
        <source>behind UTC by %1</source>
        <translation>UTC से %1 पीछे</translation>
    </message>
    <message>
        <source>On the Greenwich meridian, read as west: clock </source>
        <translation>ग्रीनविच याम्योत्तर पर, पश्चिम माना गया: घड़ी </translation>
    </message>
    <message>
        <source>West of Greenwich: clock </source>
        <translation>ग्रीनविच के पश्चिम: घड़ी </translation>
    </message>
    <message>
        <source>, less 1:00 of daylight saving = </source>
        <translation>, डेलाइट सेविंग के 1:00 घटाकर = </translation>
    </message>
    <message>
        <source>. For a clock ahead of UTC, type the hours with a minus sign or pick the place.</source>
        <translation>। UTC से आगे चलने वाली घड़ी के लिए घण्टे ऋण चिह्न (-) के साथ लिखें या स्थान चुनें।</translation>
    </message>
    <message>
        <source>Enter the time zone, or pick a place or a zone from TZ Help.</source>
        <translation>समय क्षेत्र लिखें, या कोई स्थान चुनें, या “समय क्षेत्र सहायता” से कोई क्षेत्र चुनें।</translation>
    </message>
    <message>
        <source>Enter both the hours and the minutes of the time zone.</source>
        <translation>समय क्षेत्र के घण्टे और मिनट दोनों लिखें।</translation>
    </message>
    <message>
        <source>The time zone boxes take whole numbers only.</source>
        <translation>समय क्षेत्र के खानों में केवल पूर्ण संख्याएँ लिखी जा सकती हैं।</translation>
    </message>
    <message>
        <source>%1: no time zone data for that date and time</source>
        <translation>%1: उस तिथि और समय के लिए समय क्षेत्र की जानकारी नहीं है</translation>
    </message>
    <message>
        <source>No time zone</source>
        <translation>कोई समय क्षेत्र नहीं</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>The locale whose month names the zone note&apos;s dates are written with (&quot;hi_IN&quot; in Hindi); its digits must be Western.</extracomment>
        <translation>hi_IN</translation>
    </message>
    <message>
        <source>%1: UTC%2 on %3</source>
        <translatorcomment>Order: %1 %3 %2</translatorcomment>
        <translation>%1: %3 को UTC%2</translation>
    </message>
    <message>
        <source> (daylight saving)</source>
        <translation> (डेलाइट सेविंग)</translation>
    </message>
    <message>
        <source> (daylight saving of %1 included)</source>
        <translation> (%1 का डेलाइट सेविंग शामिल)</translation>
    </message>
    <message>
        <source> — %1 did not exist (clocks went forward); UTC%2 used</source>
        <translation> — %1 का समय था ही नहीं (घड़ियाँ आगे की गई थीं); UTC%2 लिया गया</translation>
    </message>
    <message>
        <source> — %1 happened twice (clocks went back); the first, UTC%2, used</source>
        <translation> — %1 का समय दो बार आया (घड़ियाँ पीछे की गई थीं); पहला, UTC%2, लिया गया</translation>
    </message>
    <message>
        <source>Clock on UTC</source>
        <translation>घड़ी UTC पर</translation>
    </message>
    <message>
        <source>Clock ahead of UTC by %1</source>
        <translation>घड़ी UTC से %1 आगे</translation>
    </message>
    <message>
        <source>Clock behind UTC by %1</source>
        <translation>घड़ी UTC से %1 पीछे</translation>
    </message>
</context>
<context>
    <name>nyra::frmAbout</name>
    <message>
        <source>Nyra Moon Sign is a moon sign software based on Vedic Astrology. This program tells us in detail the characteristics and features of people born under a particular moon sign. This is different from the sun sign calculated in western astrology. This helps you understand your positive and negative traits, thus helping you improve your personality.</source>
        <translation>Nyra Moon Sign वैदिक ज्योतिष पर आधारित चन्द्र राशि सॉफ़्टवेयर है। यह प्रोग्राम किसी विशेष चन्द्र राशि में जन्मे लोगों के गुणों और विशेषताओं के बारे में विस्तार से बताता है। यह पाश्चात्य ज्योतिष में निकाली जाने वाली सूर्य राशि से भिन्न है। इससे आपको अपने सकारात्मक और नकारात्मक गुणों को समझने में सहायता मिलती है, और इस प्रकार अपने व्यक्तित्व को निखारने में भी।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाई करें। इस सॉफ़्टवेयर को पूरी तरह अपनी वेबसाइट के ब्रांड में पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>हमारी वेबसाइट: %1</translation>
    </message>
    <message>
        <source>Place data: GeoNames (geonames.org), CC BY 4.0; time zones: the IANA tz database.</source>
        <translation>स्थानों के आँकड़े: GeoNames (geonames.org), CC BY 4.0; समय क्षेत्र: IANA tz डेटाबेस।</translation>
    </message>
    <message>
        <source>Precise Moon positions: Swiss Ephemeris, © Astrodienst AG (astro.com/swisseph), AGPL-3.0.</source>
        <translation>चन्द्रमा की सटीक स्थितियाँ: Swiss Ephemeris, © Astrodienst AG (astro.com/swisseph), AGPL-3.0।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>nyra::frmMain</name>
    <message>
        <source>Birth Details</source>
        <translation>जन्म विवरण</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <extracomment>The order of the hour, minute and second lists.</extracomment>
        <translation>घं:मि:से</translation>
    </message>
    <message>
        <source>Time known:</source>
        <translation>समय की जानकारी:</translation>
    </message>
    <message>
        <source>Calculate with:</source>
        <translation>गणना की विधि:</translation>
    </message>
    <message>
        <source>Classic formula</source>
        <translation>पारम्परिक सूत्र</translation>
    </message>
    <message>
        <source>Swiss Ephemeris</source>
        <translation>Swiss Ephemeris</translation>
    </message>
    <message>
        <source>The classic formula is the program&apos;s own series; Swiss Ephemeris gives the Moon to the arcsecond, with the ayanamsa chosen beside it.</source>
        <translation>पारम्परिक सूत्र इस प्रोग्राम की अपनी गणना-श्रेणी है; Swiss Ephemeris चन्द्रमा की स्थिति विकला (आर्कसेकंड) तक देता है, बगल में चुने गए अयनांश के साथ।</translation>
    </message>
    <message>
        <source>Ayanamsa for Swiss Ephemeris</source>
        <translation>Swiss Ephemeris के लिए अयनांश</translation>
    </message>
    <message>
        <source>Calculate with</source>
        <translation>गणना की विधि</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>जन्म स्थान</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घण्टा</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>समय क्षेत्र सहायता</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Record</source>
        <translation>पहले सहेजा गया रिकॉर्ड खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>Find My Moon Sign</source>
        <translation>मेरी चन्द्र राशि बताएँ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>गणना करें (&amp;C)</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>जन्म का घण्टा</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>जन्म का मिनट</translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation>जन्म का सेकंड</translation>
    </message>
    <message>
        <source>Latitude: degrees</source>
        <translation>अक्षांश: अंश</translation>
    </message>
    <message>
        <source>Latitude: minutes</source>
        <translation>अक्षांश: मिनट</translation>
    </message>
    <message>
        <source>Longitude: degrees</source>
        <translation>देशांतर: अंश</translation>
    </message>
    <message>
        <source>Longitude: minutes</source>
        <translation>देशांतर: मिनट</translation>
    </message>
    <message>
        <source>Time Zone: hours</source>
        <translation>समय क्षेत्र: घण्टे</translation>
    </message>
    <message>
        <source>Time Zone: minutes</source>
        <translation>समय क्षेत्र: मिनट</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल जाँच लें।</translation>
    </message>
    <message>
        <source>“%1” is not a %2 record.</source>
        <translation>“%1” कोई %2 रिकॉर्ड नहीं है।</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; को खोला नहीं जा सका: %2</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश का नाम लिखें</translation>
    </message>
    <message>
        <source>There is no %1 %2 %3: choose a valid date for the zone of %4.</source>
        <translation>%1 %2 %3 नाम की कोई तिथि नहीं होती: %4 के समय क्षेत्र के लिए कोई मान्य तिथि चुनें।</translation>
    </message>
    <message>
        <source>, though %1 had UTC%2 then</source>
        <translation>, हालाँकि उस समय %1 में UTC%2 था</translation>
    </message>
    <message>
        <source>Opened &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; खोली गई: %2</translation>
    </message>
</context>
<context>
    <name>nyra::frmResult</name>
    <message>
        <source>Nyra Free Moon Sign is a moon sign software based on Vedic Astrology. This program tells us in detail the characteristics and features of people born under a particular moon sign. This is different from the sun sign calculated in western astrology. This helps you understand your positive and negative traits, thus helping you improve your personality.</source>
        <translation>Nyra Free Moon Sign वैदिक ज्योतिष पर आधारित चन्द्र राशि सॉफ़्टवेयर है। यह प्रोग्राम किसी विशेष चन्द्र राशि में जन्मे लोगों के गुणों और विशेषताओं के बारे में विस्तार से बताता है। यह पाश्चात्य ज्योतिष में निकाली जाने वाली सूर्य राशि से भिन्न है। इससे आपको अपने सकारात्मक और नकारात्मक गुणों को समझने में सहायता मिलती है, और इस प्रकार अपने व्यक्तित्व को निखारने में भी।</translation>
    </message>
    <message>
        <source>Share your Moon sign and your questions with other readers on the Orrelin discussion board. Click here to join in.</source>
        <translation>अपनी चन्द्र राशि और अपने प्रश्न Orrelin चर्चा मंच पर दूसरे पाठकों के साथ साझा करें। जुड़ने के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>हमारी वेबसाइट: %1</translation>
    </message>
    <message>
        <source>Discussion Board</source>
        <translation>चर्चा मंच</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>Notice: %1</source>
        <translation>सूचना: %1</translation>
    </message>
</context>
<context>
    <name>nyra::frmSave</name>
    <message>
        <source>Save Your Moon Sign Details</source>
        <translation>अपनी चन्द्र राशि का विवरण सहेजें</translation>
    </message>
    <message>
        <source>Rich Text Format (*.moo)</source>
        <translation>रिच टेक्स्ट फ़ॉर्मेट (*.moo)</translation>
    </message>
    <message>
        <source>Export Report as PDF</source>
        <translation>रिपोर्ट को PDF के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xport PDF...</source>
        <translation>PDF निर्यात करें... (&amp;X)</translation>
    </message>
    <message>
        <source>Moon sign report</source>
        <translation>चन्द्र राशि रिपोर्ट</translation>
    </message>
    <message>
        <source>The Most Popular Online Orrelin Discussion Board</source>
        <translation>सबसे लोकप्रिय ऑनलाइन Orrelin चर्चा मंच</translation>
    </message>
    <message>
        <source>Talk about your Moon sign with others: visit our discussion board now at %1</source>
        <translation>अपनी चन्द्र राशि के बारे में दूसरों से बात करें: अभी %1 पर हमारे चर्चा मंच पर आएँ</translation>
    </message>
    <message>
        <source>Birth time: %1
Possible Moon signs: %2</source>
        <translation>जन्म समय: %1
सम्भावित चन्द्र राशियाँ: %2</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; को सहेजा नहीं जा सका: %2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>यहाँ सहेजा गया: %1</translation>
    </message>
    <message>
        <source>No printer is available. Use Export PDF to keep the report.</source>
        <translation>कोई प्रिंटर उपलब्ध नहीं है। रिपोर्ट रखने के लिए “PDF निर्यात करें” का उपयोग करें।</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;: %2 Use Export PDF to keep the report.</source>
        <translation>रिपोर्ट &quot;%1&quot; पर छापी नहीं जा सकी: %2 रिपोर्ट रखने के लिए “PDF निर्यात करें” का उपयोग करें।</translation>
    </message>
    <message>
        <source>Could not export &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; को निर्यात नहीं किया जा सका: %2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>यहाँ निर्यात किया गया: %1</translation>
    </message>
    <message>
        <source>Sent to %1</source>
        <translation>यहाँ भेजा गया: %1</translation>
    </message>
</context>
<context>
    <name>nyra::frmTimeZone</name>
    <message>
        <source>&amp;Use Zone</source>
        <translation>यह क्षेत्र लें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें (&amp;Q)</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Choose a zone with the arrow keys, then press Space or Use Zone to use it. Enter or Escape closes the list without a choice.</source>
        <translation>तीर कुंजियों से कोई क्षेत्र चुनें, फिर उसे लेने के लिए Space या “यह क्षेत्र लें” दबाएँ। Enter या Escape बिना कुछ चुने सूची बंद कर देता है।</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Daylight Time</source>
        <translation>अलास्का/हवाई डेलाइट समय</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time</source>
        <translation>अलास्का/हवाई मानक समय</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time</source>
        <translation>अलास्का/हवाई युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Atlantic Standard Time</source>
        <translation>अटलांटिक मानक समय</translation>
    </message>
    <message>
        <source>Atlantic War Time</source>
        <translation>अटलांटिक युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time</source>
        <translation>ऑस्ट्रेलियाई मध्य डेलाइट समय</translation>
    </message>
    <message>
        <source>Australian Central Standard Time</source>
        <translation>ऑस्ट्रेलियाई मध्य मानक समय</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time</source>
        <translation>ऑस्ट्रेलियाई पूर्वी डेलाइट समय</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time</source>
        <translation>ऑस्ट्रेलियाई पूर्वी मानक समय</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी डेलाइट समय</translation>
    </message>
    <message>
        <source>Australian Western Standard Time</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी मानक समय</translation>
    </message>
    <message>
        <source>Azores Time</source>
        <translation>अज़ोरेस समय</translation>
    </message>
    <message>
        <source>Baghdad Time</source>
        <translation>बग़दाद समय</translation>
    </message>
    <message>
        <source>Bering Standard Time</source>
        <translation>बेरिंग मानक समय</translation>
    </message>
    <message>
        <source>Brazil Zone 2</source>
        <translation>ब्राज़ील क्षेत्र 2</translation>
    </message>
    <message>
        <source>British Double Summer Time</source>
        <translation>ब्रिटिश दोहरा ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>British Summer Time</source>
        <translation>ब्रिटिश ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>British War Time</source>
        <translation>ब्रिटिश युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Central Daylight Time</source>
        <translation>मध्य डेलाइट समय</translation>
    </message>
    <message>
        <source>Central European Daylight</source>
        <translation>मध्य यूरोपीय डेलाइट</translation>
    </message>
    <message>
        <source>Central European Time</source>
        <translation>मध्य यूरोपीय समय</translation>
    </message>
    <message>
        <source>Central Standard Time</source>
        <translation>मध्य मानक समय</translation>
    </message>
    <message>
        <source>Central War Time</source>
        <translation>मध्य युद्धकालीन समय</translation>
    </message>
    <message>
        <source>China Coast Time</source>
        <translation>चीन तटीय समय</translation>
    </message>
    <message>
        <source>Eastern Daylight Time</source>
        <translation>पूर्वी डेलाइट समय</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time</source>
        <translation>पूर्वी यूरोपीय डेलाइट समय</translation>
    </message>
    <message>
        <source>Eastern European Time</source>
        <translation>पूर्वी यूरोपीय समय</translation>
    </message>
    <message>
        <source>Eastern Standard Time</source>
        <translation>पूर्वी मानक समय</translation>
    </message>
    <message>
        <source>Eastern War Time</source>
        <translation>पूर्वी युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Greenwich Mean Time</source>
        <translation>ग्रीनविच माध्य समय</translation>
    </message>
    <message>
        <source>Guam Standard Time</source>
        <translation>गुआम मानक समय</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time</source>
        <translation>हवाई डेलाइट समय</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time</source>
        <translation>हवाई मानक समय</translation>
    </message>
    <message>
        <source>Hawaiian War Time</source>
        <translation>हवाई युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Indian Time</source>
        <translation>भारतीय समय</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पूर्व</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पश्चिम</translation>
    </message>
    <message>
        <source>Iran Time</source>
        <translation>ईरान समय</translation>
    </message>
    <message>
        <source>Japan Standard Time</source>
        <translation>जापान मानक समय</translation>
    </message>
    <message>
        <source>Java Time</source>
        <translation>जावा समय</translation>
    </message>
    <message>
        <source>Middle European Daylight Time</source>
        <translation>मध्य यूरोपीय डेलाइट समय</translation>
    </message>
    <message>
        <source>Middle European Time</source>
        <translation>मध्य यूरोपीय समय</translation>
    </message>
    <message>
        <source>Moluccas Time</source>
        <translation>मोलुक्का समय</translation>
    </message>
    <message>
        <source>Mountain Daylight Time</source>
        <translation>पर्वतीय डेलाइट समय</translation>
    </message>
    <message>
        <source>Mountain Standard Time</source>
        <translation>पर्वतीय मानक समय</translation>
    </message>
    <message>
        <source>Mountain War Time</source>
        <translation>पर्वतीय युद्धकालीन समय</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time</source>
        <translation>न्यूज़ीलैंड मानक ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>New Zealand Std Time</source>
        <translation>न्यूज़ीलैंड मानक समय</translation>
    </message>
    <message>
        <source>New Zealand Summer Time</source>
        <translation>न्यूज़ीलैंड ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>New Zealand Time</source>
        <translation>न्यूज़ीलैंड समय</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time</source>
        <translation>न्यूफ़ाउंडलैंड मानक समय</translation>
    </message>
    <message>
        <source>Nome Time</source>
        <translation>नोम समय</translation>
    </message>
    <message>
        <source>North Sumatra Time</source>
        <translation>उत्तरी सुमात्रा समय</translation>
    </message>
    <message>
        <source>Pacific Daylight Time</source>
        <translation>प्रशांत डेलाइट समय</translation>
    </message>
    <message>
        <source>Pacific Standard Time</source>
        <translation>प्रशांत मानक समय</translation>
    </message>
    <message>
        <source>Pacific War Time</source>
        <translation>प्रशांत युद्धकालीन समय</translation>
    </message>
    <message>
        <source>South Australia Daylight Time</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय</translation>
    </message>
    <message>
        <source>South Australia Standard Time</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय</translation>
    </message>
    <message>
        <source>South Sumatra Time</source>
        <translation>दक्षिणी सुमात्रा समय</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>सार्वत्रिक समय</translation>
    </message>
    <message>
        <source>USSR Zone 10</source>
        <translation>USSR क्षेत्र 10</translation>
    </message>
    <message>
        <source>USSR Zone 3</source>
        <translation>USSR क्षेत्र 3</translation>
    </message>
    <message>
        <source>USSR Zone 4</source>
        <translation>USSR क्षेत्र 4</translation>
    </message>
    <message>
        <source>USSR Zone 5</source>
        <translation>USSR क्षेत्र 5</translation>
    </message>
    <message>
        <source>USSR Zone 6</source>
        <translation>USSR क्षेत्र 6</translation>
    </message>
    <message>
        <source>West Africa Time</source>
        <translation>पश्चिम अफ़्रीका समय</translation>
    </message>
    <message>
        <source>Yukon Daylight Time</source>
        <translation>युकोन डेलाइट समय</translation>
    </message>
    <message>
        <source>Yukon Standard Time</source>
        <translation>युकोन मानक समय</translation>
    </message>
    <message>
        <source>Yukon War Time</source>
        <translation>युकोन युद्धकालीन समय</translation>
    </message>
</context>
</TS>
