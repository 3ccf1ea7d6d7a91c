// The paragraphs of the sign descriptions, each sign's English with the
// Hindi beside it. Mesha's English paragraphs are the program's
// long-standing texts and must stay exactly as they are, blanks included;
// the other signs' were written for this program in the same manner: plain
// second-person sentences on one line, each table within a fixed length
// range. The Hindi renders each paragraph whole, as a Hindi writer would
// put it rather than word for word, addressed to the reader as आप, every
// sentence ending in a danda (।). Lengths are checked below, at compile
// time.
#include "signs/sign_paragraphs.h"

#include <cstddef>

namespace nyra::signs_detail {
namespace {

// Lengths in characters (code points), the same measure for both
// languages. A missing entry would be empty, so "within range" also
// catches a sign left out of a table.
struct Range {
    std::size_t min, max;
};

// The English within its table's range, and the Hindi of comparable
// substance: between 70 % and 140 % of its English, so that a Hindi
// paragraph missing a sentence or two, or belonging to another field,
// does not compile.
constexpr bool AllWithin(const SignTexts& texts, Range english) {
    for (const Bilingual<std::string_view>& text : texts) {
        const std::size_t englishChars = CodePoints(text.english);
        const std::size_t hindiChars = CodePoints(text.hindi);
        if (englishChars < english.min || englishChars > english.max) return false;
        if (hindiChars * 10 < englishChars * 7 || hindiChars * 10 > englishChars * 14) return false;
    }
    return true;
}

}  // namespace

// Physical appearance; 103..221 characters in English.
constexpr SignTexts kLooks = {{
    // Mesha
    {"You may be slim and of medium complexion. "
     "You have a long neck and sharp features. "
     "You may have a mole or birthmark on your forehead. "
     "You have round eyes under thick and bushy eyebrows.",
     "आप दुबले-पतले और गेहुँए रंग के हो सकते हैं। "
     "आपकी गर्दन लम्बी है और नैन-नक़्श तीखे हैं। "
     "आपके माथे पर कोई तिल या जन्म का निशान हो सकता है। "
     "घनी, झबरीली भौंहों के नीचे आपकी आँखें गोल हैं।"},
    // Vrishabha
    {"You are likely to be short and sturdy, with a thick neck and broad shoulders. "
     "Your face is pleasant and full, with large soft eyes, a wide forehead and a calm, "
     "steady gaze.",
     "आप सम्भवतः नाटे और गठीले बदन के हैं, आपकी गर्दन मोटी है और कन्धे चौड़े हैं। "
     "आपका चेहरा भरा-भरा और मनभावन है; बड़ी-बड़ी कोमल आँखें, चौड़ा माथा और शान्त, स्थिर "
     "नज़र आपकी पहचान हैं।"},
    // Mithuna
    {"You are of medium height with a lean, upright frame and long arms and fingers. "
     "Your eyes are bright and restless, your face is expressive, and you often look younger "
     "than your age.",
     "आपका क़द मझोला है, शरीर छरहरा और तना हुआ है, और बाँहें व उँगलियाँ लम्बी हैं। "
     "आपकी आँखें चमकीली और चंचल हैं, चेहरे पर हर भाव झलकता है, और आप अक्सर अपनी उम्र से "
     "छोटे दिखते हैं।"},
    // Kataka
    {"You are of medium build with a round face, a fair or pale complexion and a broad chest. "
     "Your eyes are soft and watchful, and your features show every change of your mood.",
     "आपकी क़द-काठी मध्यम है, चेहरा गोल है, रंग गोरा या कुछ फीका-सा है और छाती चौड़ी "
     "है। "
     "आपकी आँखें कोमल और सजग हैं, और आपके चेहरे पर मन का हर उतार-चढ़ाव झलक जाता है।"},
    // Simha
    {"You are tall and well built, with broad shoulders and a slim waist. "
     "You carry yourself with dignity, and your thick hair, strong jaw and confident eyes "
     "give you a commanding presence.",
     "आप लम्बे और सुगठित हैं; आपके कन्धे चौड़े हैं और कमर पतली। "
     "आपकी चाल-ढाल में गरिमा है, और घने बाल, मज़बूत जबड़ा और आत्मविश्वास भरी आँखें आपको "
     "रौबदार व्यक्तित्व देती हैं।"},
    // Kanya
    {"You are tall and slender, with a neat and well proportioned figure. "
     "Your face is delicate and intelligent, and you tend to look younger than your years. "
     "You are always tidy in your dress.",
     "आप लम्बे और छरहरे हैं, और आपकी देह सुडौल और सधी हुई है। "
     "आपके चेहरे पर कोमलता और बुद्धिमत्ता झलकती है, और आप अपनी उम्र से कम के लगते हैं। "
     "आपका पहनावा हमेशा साफ़-सुथरा रहता है।"},
    // Thula
    {"You are tall and graceful, with a well balanced figure and pleasing features. "
     "You have a charming smile, a clear complexion and a natural elegance in the way you "
     "move and dress.",
     "आप लम्बे और सुघड़ हैं, आपका शरीर सन्तुलित है और नैन-नक़्श मनभावन हैं। "
     "आपकी मुस्कान मोहक है, रंग साफ़ है, और आपके चलने-फिरने और पहनने-ओढ़ने में एक सहज "
     "शालीनता है।"},
    // Vrischika
    {"You are tall and strongly built, with a firm jaw and thick eyebrows. "
     "Your eyes are deep and piercing, and your intense gaze can make people feel that you "
     "see right through them.",
     "आप लम्बे और हट्टे-कट्टे हैं, आपका जबड़ा मज़बूत है और भौंहें घनी हैं। "
     "आपकी आँखें गहरी और भेदने वाली हैं, और आपकी पैनी नज़र से लोगों को लगता है कि आप उनके "
     "मन के आर-पार देख रहे हैं।"},
    // Dhanus
    {"You are of medium height with strong thighs and a lively, athletic build. "
     "You have an open and cheerful face, a high forehead and bright eyes that always seem "
     "ready to laugh.",
     "आप मझोले क़द के हैं, जाँघें मज़बूत हैं और शरीर फुर्तीला और खिलाड़ियों जैसा है। "
     "आपका चेहरा खुला और हँसमुख है, माथा ऊँचा है, और चमकती आँखें मानो हर पल हँसने को तैयार "
     "रहती हैं।"},
    // Makara
    {"You are of medium height with a lean, bony frame and prominent knees and joints. "
     "Your face is serious and thoughtful, and you tend to look older in youth and younger as "
     "you age.",
     "आपका क़द मध्यम और शरीर इकहरा है, जिसमें हड्डियाँ, घुटने और जोड़ साफ़ उभरे दिखते हैं। "
     "आपका चेहरा गम्भीर और विचारशील है; जवानी में आप अपनी उम्र से बड़े दिखते हैं और ढलती "
     "उम्र के साथ छोटे लगने लगते हैं।"},
    // Kumbha
    {"You are short and strongly made, with firm calves and a well formed body. "
     "You have a friendly, open face, clear eyes and an unusual look that makes you stand out "
     "in a crowd.",
     "आप नाटे और मज़बूत बदन के हैं, आपकी पिण्डलियाँ सख़्त हैं और शरीर सुडौल है। "
     "आपका चेहरा दोस्ताना और खुला है, आँखें साफ़ हैं, और आपका अनोखा रूप आपको भीड़ में अलग "
     "पहचान देता है।"},
    // Meena
    {"You are short with a soft, rounded figure and small hands and feet. "
     "Your eyes are large, dreamy and kind, and your gentle face shows a tender and "
     "sympathetic nature.",
     "आप छोटे क़द के हैं, आपका शरीर नरम और भरा-भरा है, और हाथ-पैर छोटे हैं। "
     "आपकी आँखें बड़ी, स्वप्निल और करुणा भरी हैं, और आपका सौम्य चेहरा आपके कोमल और हमदर्द "
     "स्वभाव की झलक देता है।"},
}};
static_assert(AllWithin(kLooks, {103, 221}));

// Character; 515..883 characters in English.
constexpr SignTexts kNature = {{
    // Mesha
    {"You are very independent and dynamic. "
     "You are positive by nature and energetic. "
     "Being the complete extrovert, you can make friends very easily. "
     "You love to dominate others if you are given the chance. "
     "You are impatient and headstrong at times. "
     "You may be forceful at times and aggressive. "
     "You are independent, self-reliant, adventurous and love challenging jobs. "
     "Your short temperament may land you into trouble. "
     "You do not listen to others and make decisions for yourself. "
     "Your original ideas make you very creative by nature. "
     "Change is the only constant thing in your life. "
     "You have a good sense of humor and love having a good time with friends. "
     "You may be considered to be flamboyant and extravagant by certain people. "
     "You are impulsive in your decisions and do not think about the future. "
     "You are usually popular and well liked. "
     "But this may also make you haughty and obstinate.",
     "आप बहुत स्वतन्त्र और जोशीले स्वभाव के हैं। "
     "आपकी सोच सकारात्मक है और आपमें ऊर्जा भरी रहती है। "
     "आप पूरी तरह बहिर्मुखी हैं, इसलिए बड़ी आसानी से दोस्त बना लेते हैं। "
     "मौक़ा मिलते ही आप दूसरों पर हावी होना चाहते हैं। "
     "कभी-कभी आप अधीर और ज़िद्दी हो जाते हैं। "
     "कई बार आप ज़ोर-ज़बरदस्ती पर उतर आते हैं और आक्रामक भी हो जाते हैं। "
     "आप आत्मनिर्भर और साहसी हैं, और चुनौती भरे काम आपको ख़ूब भाते हैं। "
     "आपकी तुनकमिज़ाजी आपको मुसीबत में डाल सकती है। "
     "आप दूसरों की कम सुनते हैं और अपने फ़ैसले ख़ुद लेते हैं। "
     "आपके मौलिक विचार आपको बहुत रचनात्मक बनाते हैं। "
     "आपके जीवन में अगर कुछ स्थायी है, तो वह है बदलाव। "
     "आपका हास्य-बोध अच्छा है, और दोस्तों के साथ मौज-मस्ती में आपको बड़ा मज़ा आता है। "
     "कुछ लोग आपको दिखावा-पसन्द और फ़िज़ूलख़र्च मान सकते हैं। "
     "आप आवेश में आकर निर्णय लेते हैं और भविष्य की ज़्यादा चिन्ता नहीं करते। "
     "आम तौर पर आप लोकप्रिय रहते हैं और लोग आपको पसन्द करते हैं। "
     "पर यही लोकप्रियता आपको घमण्डी और अड़ियल भी बना सकती है।"},
    // Vrishabha
    {"You are patient, steady and reliable, and people lean on you because you do not waver "
     "once you have given your word. "
     "Venus gives you a deep love of comfort, good food, music and beautiful things, and you "
     "like your surroundings to be peaceful and well kept. "
     "You take your time before deciding anything, but once your mind is made up it is very "
     "hard to move you. "
     "Your stubbornness is a strength in hard times and a burden in arguments. "
     "You are practical and sensible, and you prefer security to excitement. "
     "You are loyal to your friends and slow to anger, yet when your patience finally runs "
     "out your temper can be fierce. "
     "You enjoy routine and may resist change even when it would do you good. "
     "Your gentle voice and easy manners make you pleasant company, and you have a quiet "
     "charm that grows on people over time.",
     "आप धैर्यवान, स्थिर और भरोसेमन्द हैं; एक बार ज़बान दे दी तो आप पीछे नहीं हटते, इसलिए "
     "लोग आप पर निर्भर रहते हैं। "
     "शुक्र आपको आराम, अच्छे भोजन, संगीत और सुन्दर चीज़ों से गहरा लगाव देता है, और आप "
     "चाहते हैं कि आपका परिवेश शान्त और सजा-सँवरा रहे। "
     "कोई भी फ़ैसला करने से पहले आप पूरा समय लेते हैं, पर एक बार मन बना लिया तो आपको "
     "डिगाना बहुत कठिन है। "
     "आपकी ज़िद मुश्किल वक़्त में आपकी ताक़त बनती है, पर बहस में बोझ। "
     "आप व्यावहारिक और समझदार हैं, और रोमांच से ज़्यादा सुरक्षा को महत्त्व देते हैं। "
     "दोस्तों के प्रति आप वफ़ादार हैं और आपको ग़ुस्सा देर से आता है, पर जब सब्र का बाँध टूटता "
     "है तो आपका क्रोध बड़ा प्रचण्ड होता है। "
     "आपको बँधी-बँधाई दिनचर्या अच्छी लगती है, और आप बदलाव का विरोध तब भी कर सकते हैं "
     "जब वह आपके भले के लिए हो। "
     "आपकी मधुर आवाज़ और सहज व्यवहार आपको अच्छा साथी बनाते हैं, और आपका शान्त आकर्षण "
     "समय के साथ लोगों के मन में घर कर जाता है।"},
    // Mithuna
    {"You are quick-witted, curious and full of ideas, and your mind seldom rests. "
     "Mercury gives you a gift for words, so you can talk to almost anyone about almost "
     "anything and usually leave them smiling. "
     "You learn fast and love variety, which means you may start many projects and finish "
     "only some of them. "
     "You can see both sides of every question, and this can make you seem changeable or "
     "undecided to others. "
     "You get bored by routine and are happiest when you have something new to read, someone "
     "new to meet or somewhere new to go. "
     "You are witty and playful, and your humor can be sharp. "
     "Nervous energy is your fuel, but it can also leave you restless and anxious when you "
     "are kept still. "
     "You adapt easily to new situations and can often find a clever way around a problem "
     "that stops others.",
     "आप हाज़िरजवाब और जिज्ञासु हैं, आपके पास विचारों की कमी नहीं होती और आपका दिमाग़ "
     "शायद ही कभी ठहरता है। "
     "बुध आपको शब्दों का हुनर देता है, इसलिए आप क़रीब-क़रीब किसी से भी, किसी भी विषय "
     "पर बात कर लेते हैं और अक्सर सामने वाले के चेहरे पर मुस्कान छोड़ जाते हैं। "
     "आप जल्दी सीखते हैं और विविधता से प्यार करते हैं, इसलिए कई काम शुरू करके उनमें से कुछ ही "
     "पूरे कर पाते हैं। "
     "आप हर सवाल के दोनों पहलू देख लेते हैं, जिससे दूसरों को आप कभी-कभी ढुलमुल या अनिश्चित "
     "लग सकते हैं। "
     "एक ही ढर्रे से आप जल्दी ऊब जाते हैं; आप सबसे ख़ुश तब होते हैं जब पढ़ने को कुछ नया हो, "
     "मिलने को कोई नया हो और जाने को कोई नई जगह हो। "
     "आप विनोदी और चुलबुले हैं, और आपका मज़ाक़ कभी-कभी चुभ भी सकता है। "
     "बेचैन ऊर्जा ही आपको चलाती है, पर जब आपको एक जगह बाँधकर रखा जाए तो यही ऊर्जा "
     "आपको अशान्त और चिन्तित कर देती है। "
     "आप नई परिस्थितियों में आसानी से ढल जाते हैं, और जिस समस्या पर दूसरे अटक जाते हैं, "
     "उसका भी कोई चतुर रास्ता अक्सर निकाल लेते हैं।"},
    // Kataka
    {"You are sensitive, caring and protective, and you feel the moods of the people around "
     "you almost as if they were your own. "
     "The Moon rules you, so your feelings rise and fall like the tide, and you may be "
     "cheerful one day and withdrawn the next. "
     "You have a long memory and hold on to people, places and old keepsakes with great "
     "tenderness. "
     "Home and family are the center of your world, and you will work very hard to keep your "
     "loved ones safe. "
     "You are shy with strangers and may hide behind a hard shell until you feel you can "
     "trust someone. "
     "Once that trust is won, you are a loyal and generous friend. "
     "You are imaginative and intuitive, and your first impressions are often right. "
     "Careless words can hurt you easily, and you may brood over them for days. "
     "You are thrifty and cautious, and you like to keep something in reserve for a rainy day.",
     "आप संवेदनशील हैं, सबकी परवाह करते हैं और अपनों पर आँच नहीं आने देते; आसपास के लोगों की "
     "मनोदशा आप ऐसे महसूस करते हैं मानो वह आपकी अपनी हो। "
     "आपकी राशि का स्वामी चन्द्रमा है, इसलिए आपकी भावनाएँ ज्वार-भाटे की तरह "
     "चढ़ती-उतरती हैं; एक दिन आप प्रसन्न रहते हैं तो अगले दिन अपने में सिमट जाते हैं। "
     "आपकी याददाश्त लम्बी है, और आप लोगों, जगहों और पुरानी यादगार चीज़ों को बड़े प्यार से "
     "सहेजकर रखते हैं। "
     "घर और परिवार आपकी दुनिया का केन्द्र हैं, और अपनों को सुरक्षित रखने के लिए आप "
     "जी-तोड़ मेहनत करते हैं। "
     "अजनबियों के सामने आप संकोच करते हैं, और जब तक किसी पर भरोसा न हो जाए, एक सख़्त "
     "खोल के पीछे छिपे रह सकते हैं। "
     "एक बार भरोसा जम जाए तो आप वफ़ादार और उदार मित्र साबित होते हैं। "
     "आप कल्पनाशील हैं और आपका अन्तर्ज्ञान प्रबल है, इसलिए किसी के बारे में आपकी पहली राय "
     "अक्सर सही निकलती है। "
     "लापरवाही से कहे गए शब्द आपको आसानी से चोट पहुँचाते हैं, और आप कई दिनों तक उन पर "
     "कुढ़ते रह सकते हैं। "
     "आप मितव्ययी और सतर्क हैं, और बुरे वक़्त के लिए कुछ बचाकर रखना पसन्द करते हैं।"},
    // Simha
    {"You are generous, proud and warm-hearted, and you light up a room when you walk into "
     "it. "
     "The Sun rules you, so you like to be at the center of things and you shine when others "
     "look to you for leadership. "
     "You are honest and open, and you find deceit and pettiness very hard to forgive. "
     "You have great self-confidence and a strong will, and you rarely doubt that you can "
     "carry out what you have begun. "
     "You love praise and may feel hurt if your efforts go unnoticed. "
     "You are loyal and protective toward those who depend on you, and you will defend a "
     "friend with all your strength. "
     "Your pride can sometimes turn into vanity or arrogance, and you may find it difficult "
     "to admit a mistake. "
     "You enjoy luxury, fine clothes and a touch of drama in life. "
     "Your courage and big heart win you admirers wherever you go.",
     "आप उदार, स्वाभिमानी और गर्मजोश हैं, और जिस कमरे में क़दम रखते हैं, वहाँ रौनक़ आ जाती "
     "है। "
     "आपकी राशि का स्वामी सूर्य है, इसलिए आप हर बात के केन्द्र में रहना पसन्द करते हैं, और "
     "जब लोग नेतृत्व के लिए आपकी ओर देखते हैं तो आप खिल उठते हैं। "
     "आप ईमानदार और खरे हैं, और छल-कपट या ओछेपन को माफ़ करना आपके लिए बहुत कठिन होता "
     "है। "
     "आपमें भरपूर आत्मविश्वास और दृढ़ इच्छाशक्ति है, और जो काम आप शुरू करते हैं, उसे पूरा कर "
     "पाने पर आपको शायद ही कभी सन्देह होता है। "
     "आपको प्रशंसा प्रिय है, और अगर आपकी मेहनत पर किसी का ध्यान न जाए तो आपको ठेस लग "
     "सकती है। "
     "जो लोग आप पर निर्भर हैं, उनके प्रति आप वफ़ादार रहते हैं और उनकी रक्षा करते हैं, और "
     "किसी मित्र के बचाव में अपनी पूरी ताक़त लगा देते हैं। "
     "आपका स्वाभिमान कभी-कभी दम्भ या अहंकार में बदल सकता है, और अपनी ग़लती मानना "
     "आपको मुश्किल लग सकता है। "
     "ठाठ-बाट, बढ़िया कपड़े और जीवन में थोड़ा नाटकीय अन्दाज़ आपको भाता है। "
     "आप जहाँ भी जाते हैं, आपका साहस और बड़ा दिल आपके लिए प्रशंसक जुटा लेता है।"},
    // Kanya
    {"You are modest, practical and very observant, and little escapes your notice. "
     "Mercury gives you a sharp and analytical mind that likes to sort, measure and improve "
     "everything it touches. "
     "You set high standards for yourself and for others, and you can become critical or "
     "fussy when things fall short of them. "
     "You are hard working and dependable, and you would rather be useful than admired. "
     "You are shy about your own feelings and may hide them behind a calm and sensible "
     "manner. "
     "Order and cleanliness matter a great deal to you, and a messy room can spoil your mood. "
     "You worry more than you need to, often about small details. "
     "You are a good listener and give sound advice, and friends trust you to tell them the "
     "truth. "
     "You look after your health and your money with care, and you rarely act without first "
     "thinking things through.",
     "आप विनम्र और व्यावहारिक हैं, और आपकी नज़र इतनी पैनी है कि उससे शायद ही कुछ छूटता "
     "है। "
     "बुध आपको तेज़ और विश्लेषणात्मक दिमाग़ देता है, जो हर चीज़ को छाँटना, परखना और "
     "सुधारना चाहता है। "
     "आप अपने लिए भी और दूसरों के लिए भी ऊँचे मानदण्ड रखते हैं, और जब चीज़ें उन पर खरी नहीं "
     "उतरतीं तो आप नुक़्ताचीनी करने लगते हैं। "
     "आप मेहनती और भरोसेमन्द हैं, और वाहवाही पाने से ज़्यादा किसी के काम आने में विश्वास "
     "रखते हैं। "
     "अपनी भावनाएँ ज़ाहिर करने में आप झिझकते हैं और उन्हें शान्त, समझदारी भरे व्यवहार के पीछे "
     "छिपा लेते हैं। "
     "व्यवस्था और सफ़ाई आपके लिए बहुत मायने रखती हैं, और बिखरा हुआ कमरा देखकर आपका मन "
     "खिन्न हो सकता है। "
     "आप ज़रूरत से ज़्यादा चिन्ता करते हैं, और वह भी अक्सर छोटी-छोटी बातों को लेकर। "
     "आप ध्यान से सुनते हैं और ठोस सलाह देते हैं, और दोस्तों को भरोसा रहता है कि आप उन्हें सच "
     "ही बताएँगे। "
     "आप अपनी सेहत और अपने पैसे का ध्यान से ख़याल रखते हैं, और किसी बात पर अच्छी तरह सोचे "
     "बिना शायद ही कोई क़दम उठाते हैं।"},
    // Thula
    {"You are charming, polite and fair-minded, and you have a natural gift for making others "
     "feel at ease. "
     "Venus gives you a love of beauty, art and harmony, and you dislike quarrels and coarse "
     "behavior. "
     "You weigh every question carefully and try to be just to all sides, which can make it "
     "hard for you to reach a decision. "
     "You are sociable and enjoy good company, and you rarely like to be alone for long. "
     "You are diplomatic and can calm a tense situation with a few well chosen words. "
     "You may sometimes give in too easily just to keep the peace, or tell people what they "
     "want to hear. "
     "You have refined taste and an eye for style. "
     "You are idealistic about fairness and will speak up when you see someone treated badly. "
     "Partnership of every kind matters to you, and you do your best work when you have "
     "someone by your side.",
     "आप मोहक, शिष्ट और न्यायप्रिय हैं, और दूसरों को सहज महसूस कराने का गुण आपमें "
     "स्वाभाविक रूप से है। "
     "शुक्र आपको सौन्दर्य, कला और सामंजस्य से प्रेम देता है, और झगड़े व भद्दा व्यवहार आपको "
     "बिलकुल नहीं सुहाते। "
     "आप हर सवाल को ध्यान से तौलते हैं और सभी पक्षों के साथ न्याय करना चाहते हैं, इसलिए "
     "किसी निर्णय पर पहुँचना आपके लिए कठिन हो सकता है। "
     "आप मिलनसार हैं, अच्छी संगत का आनन्द लेते हैं, और ज़्यादा देर अकेले रहना आपको शायद ही "
     "भाता है। "
     "आप कूटनीतिक हैं और सोच-समझकर चुने गए दो-चार शब्दों से तनाव भरे माहौल को शान्त कर "
     "सकते हैं। "
     "शान्ति बनाए रखने के लिए आप कभी-कभी बहुत जल्दी झुक जाते हैं, या लोगों से वही कहते हैं "
     "जो वे सुनना चाहते हैं। "
     "आपकी रुचि परिष्कृत है और सलीक़े की आपको ख़ूब परख है। "
     "न्याय के मामले में आप आदर्शवादी हैं, और किसी के साथ बुरा बर्ताव होते देखकर चुप नहीं "
     "रहते। "
     "हर तरह की साझेदारी आपके लिए मायने रखती है, और कोई साथ हो तो आप अपना सबसे "
     "अच्छा काम कर पाते हैं।"},
    // Vrischika
    {"You are intense, determined and deeply emotional, though you show only a little of what "
     "you feel. "
     "Mars gives you great willpower and courage, and once you set a goal you pursue it to "
     "the end. "
     "You are secretive and private, and you like to understand others long before you let "
     "them understand you. "
     "Your intuition is strong, and you can sense hidden motives very quickly. "
     "You are fiercely loyal to those you love, but you do not easily forgive betrayal and "
     "you may hold a grudge for years. "
     "You are drawn to mysteries, research and the hidden side of life. "
     "You have great powers of recovery and can rebuild yourself after a loss. "
     "You can be jealous and possessive, and your sharp tongue can sting when you feel "
     "wronged. "
     "You are resourceful in a crisis and remain calm when others panic. "
     "Your quiet strength earns you respect.",
     "आप जुझारू, दृढ़निश्चयी और भीतर से बेहद भावुक हैं, हालाँकि अपने मन की बात का थोड़ा-सा "
     "हिस्सा ही ज़ाहिर करते हैं। "
     "मंगल आपको प्रबल इच्छाशक्ति और साहस देता है, और एक बार लक्ष्य तय कर लें तो आप उसे "
     "अन्त तक साधते हैं। "
     "आप रहस्यमय और एकान्तप्रिय हैं, और दूसरों को अपने बारे में कुछ समझने देने से बहुत पहले आप "
     "उन्हें समझ लेना चाहते हैं। "
     "आपकी अन्तःप्रेरणा बहुत तेज़ है, और आप छिपे हुए इरादों को फ़ौरन भाँप लेते हैं। "
     "जिनसे आप प्रेम करते हैं, उनके प्रति आप जी-जान से वफ़ादार रहते हैं, पर विश्वासघात को "
     "आसानी से माफ़ नहीं करते और बरसों तक मन में गाँठ रख सकते हैं। "
     "रहस्य, शोध और जीवन का छिपा हुआ पहलू आपको अपनी ओर खींचते हैं। "
     "आपमें फिर से उठ खड़े होने की अद्भुत शक्ति है, और किसी भी नुक़सान के बाद आप ख़ुद को नए "
     "सिरे से गढ़ लेते हैं। "
     "आप ईर्ष्यालु और अधिकार जताने वाले हो सकते हैं, और जब आपको लगे कि आपके साथ अन्याय "
     "हुआ है तो आपकी तीखी ज़बान डंक मार सकती है। "
     "संकट में आप सूझ-बूझ से रास्ता निकालते हैं, और जब दूसरे घबरा जाते हैं, तब भी शान्त रहते "
     "हैं। "
     "आपकी ख़ामोश ताक़त आपको सम्मान दिलाती है।"},
    // Dhanus
    {"You are optimistic, frank and freedom loving, and you meet life with great enthusiasm. "
     "Jupiter gives you a generous heart and a philosophical mind, and you are always "
     "searching for a deeper meaning in things. "
     "You love travel, learning and new horizons, and long routines make you restless. "
     "You speak your mind honestly, sometimes so bluntly that you hurt feelings without "
     "meaning to. "
     "You are cheerful and good humored, and your hopeful outlook lifts the spirits of those "
     "around you. "
     "You have strong principles and a keen sense of justice, and you are often drawn to "
     "religion, law or higher study. "
     "You may promise more than you can deliver because you believe everything will work out. "
     "You dislike being tied down and need plenty of space to roam. "
     "You are sincere and kind, and you give freely of your time and your advice.",
     "आप आशावादी, स्पष्टवादी और आज़ादी-पसन्द हैं, और जीवन का सामना बड़े उत्साह से करते "
     "हैं। "
     "बृहस्पति आपको उदार हृदय और दार्शनिक मन देता है, और आप हर चीज़ में कोई गहरा अर्थ "
     "खोजते रहते हैं। "
     "यात्रा, ज्ञान और नए क्षितिज आपको बहुत प्रिय हैं, और लम्बे समय तक एक ही ढर्रा आपको "
     "बेचैन कर देता है। "
     "आप जो सोचते हैं, ईमानदारी से कह देते हैं, कभी-कभी इतनी बेबाकी से कि अनजाने में किसी "
     "का दिल दुखा बैठते हैं। "
     "आप ख़ुशमिज़ाज और विनोदप्रिय हैं, और आपका आशा भरा नज़रिया आसपास के लोगों का मन "
     "हल्का कर देता है। "
     "आपके सिद्धान्त पक्के हैं और न्याय की भावना प्रखर है, और धर्म, क़ानून या उच्च शिक्षा की "
     "ओर आपका झुकाव अक्सर रहता है। "
     "आप मानते हैं कि सब ठीक हो जाएगा, इसलिए कभी-कभी जितना निभा सकें उससे ज़्यादा "
     "वादा कर बैठते हैं। "
     "बँधकर रहना आपको नापसन्द है, और घूमने-फिरने के लिए आपको खुली जगह चाहिए। "
     "आप सच्चे और दयालु हैं, और अपना समय और अपनी सलाह दिल खोलकर देते हैं।"},
    // Makara
    {"You are serious, disciplined and ambitious, and you climb toward your goals one careful "
     "step at a time. "
     "Saturn gives you patience, a strong sense of duty and the ability to endure hardship "
     "without complaint. "
     "You are practical and realistic, and you prefer facts to dreams. "
     "You respect tradition, rules and authority, and you expect others to earn their "
     "position as you have earned yours. "
     "You may appear reserved or cold to strangers, yet you have a dry wit that close friends "
     "enjoy. "
     "You are cautious and rarely take a risk without weighing the cost. "
     "You can be too hard on yourself and may worry about failure or about money more than "
     "you need to. "
     "Responsibility comes early in your life, and it makes you mature beyond your years. "
     "You are loyal and dependable, and what you build tends to last.",
     "आप गम्भीर, अनुशासित और महत्त्वाकांक्षी हैं, और अपने लक्ष्यों की ओर सोच-समझकर एक-एक "
     "क़दम बढ़ाते हैं। "
     "शनि आपको धैर्य, कर्तव्य की गहरी भावना और बिना शिकायत कठिनाइयाँ सहने की क्षमता "
     "देता है। "
     "आप व्यावहारिक और यथार्थवादी हैं, और सपनों से ज़्यादा तथ्यों पर भरोसा करते हैं। "
     "आप परम्परा, नियमों और अधिकार का सम्मान करते हैं, और चाहते हैं कि दूसरे भी अपनी जगह "
     "वैसे ही कमाएँ जैसे आपने कमाई है। "
     "अजनबियों को आप संकोची या रूखे लग सकते हैं, पर आपके धीमे, चुटीले व्यंग्य का आनन्द आपके "
     "क़रीबी दोस्त ख़ूब लेते हैं। "
     "आप सतर्क हैं और नफ़ा-नुक़सान तौले बिना शायद ही कोई जोखिम उठाते हैं। "
     "आप ख़ुद के प्रति ज़रूरत से ज़्यादा कठोर हो सकते हैं, और असफलता या पैसों को लेकर बेवजह "
     "चिन्ता कर सकते हैं। "
     "ज़िम्मेदारियाँ आपके जीवन में जल्दी आ जाती हैं, और वे आपको उम्र से पहले परिपक्व बना देती "
     "हैं। "
     "आप वफ़ादार और भरोसेमन्द हैं, और आप जो बनाते हैं, वह लम्बे समय तक टिकता है।"},
    // Kumbha
    {"You are independent, original and humane, and you think for yourself rather than follow "
     "the crowd. "
     "Saturn gives you patience and seriousness, while your airy nature makes you curious and "
     "inventive. "
     "You care about society, friendship and the common good, and you are happiest when "
     "working for a cause larger than yourself. "
     "You are friendly to all but may keep your deepest feelings at a distance. "
     "You hold firm opinions and can be stubborn once you have reasoned something out. "
     "You are interested in science, new ideas and anything ahead of its time. "
     "Others may find you unpredictable or even eccentric, yet your insight is often years "
     "ahead. "
     "You value freedom and dislike being told what to do. "
     "You are honest and tolerant, and you treat everyone as an equal regardless of position "
     "or wealth.",
     "आप स्वतन्त्र, मौलिक और मानवतावादी हैं, और भीड़ के पीछे चलने के बजाय अपनी सोच से "
     "चलते हैं। "
     "शनि आपको धैर्य और गम्भीरता देता है, जबकि वायु तत्त्व आपको जिज्ञासु और आविष्कारशील "
     "बनाता है। "
     "समाज, मित्रता और सबकी भलाई आपके लिए मायने रखते हैं, और अपने से बड़े किसी ध्येय के "
     "लिए काम करते हुए आप सबसे ज़्यादा ख़ुश रहते हैं। "
     "आप हर किसी से आत्मीयता से मिलते हैं, पर अपने मन की सबसे गहरी बातें किसी से आसानी से "
     "नहीं बाँटते। "
     "आपकी राय पक्की होती है, और किसी बात को तर्क से परख लेने के बाद आप उस पर अड़ सकते "
     "हैं। "
     "विज्ञान, नए विचारों और अपने समय से आगे की हर चीज़ में आपकी दिलचस्पी है। "
     "दूसरों को आप अप्रत्याशित या सनकी भी लग सकते हैं, फिर भी आपकी दूरदृष्टि अक्सर बरसों "
     "आगे की होती है। "
     "आप आज़ादी को महत्त्व देते हैं, और कोई आपको बताए कि क्या करना है, यह आपको नहीं "
     "भाता। "
     "आप ईमानदार और सहिष्णु हैं, और पद या धन का भेद किए बिना सबसे बराबरी का बर्ताव "
     "करते हैं।"},
    // Meena
    {"You are gentle, compassionate and deeply intuitive, and you feel the sorrows of others "
     "as keenly as your own. "
     "Jupiter gives you a generous and spiritual outlook, and you are often drawn to prayer, "
     "music, art or quiet reflection. "
     "Your imagination is rich, and you may live as much in your dreams as in the everyday "
     "world. "
     "You are kind and forgiving, sometimes to the point that others take advantage of your "
     "good nature. "
     "You find it hard to say no and may take on burdens that are not yours to carry. "
     "You are adaptable and flow around obstacles rather than fight them. "
     "You may lack confidence and need encouragement to believe in your own gifts. "
     "Harsh surroundings wear you down, and you need time alone to recover your calm. "
     "You are modest and selfless, and your quiet goodness touches everyone you meet.",
     "आप सौम्य, करुणामय और गहरी अन्तर्दृष्टि वाले हैं, और दूसरों का दुख भी उतनी ही तीव्रता "
     "से महसूस करते हैं जितना अपना। "
     "बृहस्पति आपको उदार और आध्यात्मिक दृष्टि देता है, और आपका मन अक्सर प्रार्थना, संगीत, "
     "कला या शान्त चिन्तन की ओर खिंचता है। "
     "आपकी कल्पना बहुत समृद्ध है, और आप रोज़मर्रा की दुनिया में जितना रहते हैं, उतना ही "
     "अपने सपनों में भी रहते हैं। "
     "आप दयालु और क्षमाशील हैं, कभी-कभी इतने कि लोग आपके भलेपन का फ़ायदा उठा लेते हैं। "
     "आपसे मना करते नहीं बनता, और आप ऐसे बोझ भी उठा लेते हैं जो आपके उठाने के नहीं होते। "
     "आप परिस्थितियों के अनुसार ढल जाते हैं, और बाधाओं से लड़ने के बजाय पानी की तरह उनके "
     "किनारे से राह बना लेते हैं। "
     "आपमें आत्मविश्वास की कमी हो सकती है, और अपनी प्रतिभा पर भरोसा करने के लिए आपको "
     "प्रोत्साहन की ज़रूरत पड़ती है। "
     "कठोर माहौल आपको थका देता है, और फिर से शान्त होने के लिए आपको कुछ समय अकेले "
     "चाहिए। "
     "आप विनम्र और निःस्वार्थ हैं, और आपकी मौन भलाई हर मिलने वाले के मन को छू जाती है।"},
}};
static_assert(AllWithin(kNature, {515, 883}));

// Career and money habits; 126..282 characters in English.
constexpr SignTexts kCareerAndFinance = {{
    // Mesha
    {"You are ambitious by nature. "
     "You can make a good businessman. "
     "You love adventurous and risky ventures. "
     "Army, engineering and computer related professions are suitable for you.",
     "आप स्वभाव से महत्त्वाकांक्षी हैं। "
     "आप एक अच्छे व्यवसायी बन सकते हैं। "
     "साहस और जोखिम से भरे काम आपको बहुत पसन्द हैं। "
     "सेना, इंजीनियरिंग और कम्प्यूटर से जुड़े पेशे आपके लिए उपयुक्त हैं।"},
    // Vrishabha
    {"You are a patient and careful worker who builds wealth slowly and keeps it. "
     "Banking, farming, property, fine arts, music, catering and luxury goods suit you well. "
     "You save steadily and rarely put money into ventures you have not tested.",
     "आप धैर्य और सावधानी से काम करते हैं, धीरे-धीरे धन जोड़ते हैं और उसे सँभालकर रखते हैं। "
     "बैंकिंग, खेती, ज़मीन-जायदाद, ललित कलाएँ, संगीत, खान-पान और विलासिता की वस्तुओं का "
     "कारोबार आपके लिए अच्छे क्षेत्र हैं। "
     "आप नियमित बचत करते हैं और बिना परखे किसी काम में शायद ही पैसा लगाते हैं।"},
    // Mithuna
    {"You do well in any work that uses your tongue or your pen. "
     "Writing, journalism, teaching, sales, media, travel and trading suit you. "
     "You may hold two jobs or earn from two sources at once. "
     "Your spending can be as quick as your earning, so keep some savings aside.",
     "आप हर उस काम में अच्छा करते हैं जिसमें वाणी या क़लम का इस्तेमाल हो। "
     "लेखन, पत्रकारिता, अध्यापन, बिक्री, मीडिया, पर्यटन और व्यापार आपके लिए अनुकूल हैं। "
     "आप एक साथ दो नौकरियाँ कर सकते हैं या दो स्रोतों से कमा सकते हैं। "
     "जितनी तेज़ी से आप कमाते हैं, उतनी ही तेज़ी से ख़र्च भी कर सकते हैं, इसलिए कुछ बचत अलग "
     "रखें।"},
    // Kataka
    {"You are suited to work where you can care for others or look after resources. "
     "Nursing, hospitality, catering, teaching, social work, property and trade in dairy or "
     "liquids can bring you success. "
     "You are careful with money and like to save.",
     "आप ऐसे कामों के लिए बने हैं जिनमें दूसरों की देखभाल करनी हो या संसाधनों को सँभालना "
     "हो। "
     "नर्सिंग, होटल और खान-पान का काम, अध्यापन, समाज-सेवा, ज़मीन-जायदाद और दूध या "
     "तरल पदार्थों का व्यापार आपको सफलता दिला सकते हैं। "
     "पैसों के मामले में आप सावधान हैं और बचत करना आपको अच्छा लगता है।"},
    // Simha
    {"You are a natural leader and work best when you are in charge. "
     "Government service, management, politics, the theater and any post of authority suit "
     "you. "
     "You earn well but also spend freely to live in style.",
     "आप जन्मजात नेता हैं, और कमान आपके हाथ में हो तो आपका काम सबसे अच्छा होता है। "
     "सरकारी नौकरी, प्रबन्धन, राजनीति, रंगमंच और अधिकार वाला कोई भी पद आपके अनुकूल "
     "है। "
     "आप अच्छा कमाते हैं, पर ठाठ से रहने के लिए खुले हाथ से ख़र्च भी करते हैं।"},
    // Kanya
    {"You excel in work that needs precision and patience. "
     "Accounting, medicine, nursing, research, editing and teaching are fields where your eye "
     "for detail shines. "
     "You budget carefully, avoid waste and build your savings through steady effort rather "
     "than risk.",
     "आप ऐसे काम में बेहतरीन साबित होते हैं जिसमें बारीकी और धैर्य चाहिए। "
     "लेखा-जोखा, चिकित्सा, नर्सिंग, शोध, सम्पादन और अध्यापन ऐसे क्षेत्र हैं जहाँ "
     "छोटी-से-छोटी बात पर आपका ध्यान ख़ूब काम आता है। "
     "आप सोच-समझकर बजट बनाते हैं, फ़िज़ूलख़र्ची से बचते हैं और जोखिम के बजाय लगातार मेहनत से "
     "बचत बढ़ाते हैं।"},
    // Thula
    {"You work well in partnership and in jobs that need tact and taste. "
     "Law, diplomacy, design, fashion, the arts, counseling and public relations suit you. "
     "You like to spend on beautiful things, so planning your budget helps.",
     "आप साझेदारी में और ऐसे कामों में अच्छा करते हैं जिनमें व्यवहार-कुशलता और सुरुचि चाहिए। "
     "क़ानून, कूटनीति, डिज़ाइन, फ़ैशन, कलाएँ, परामर्श और जनसम्पर्क आपके लिए उपयुक्त हैं। "
     "सुन्दर चीज़ों पर ख़र्च करना आपको अच्छा लगता है, इसलिए बजट बनाकर चलना आपके लिए "
     "फ़ायदेमन्द रहेगा।"},
    // Vrischika
    {"You do well in work that involves investigation or hidden things. "
     "Research, medicine, surgery, detective and police work, insurance, mining and the "
     "occult sciences suit you. "
     "You are shrewd with money and keep your finances private.",
     "आप उन कामों में सफल होते हैं जिनमें छानबीन हो या जो छिपी हुई बातों से जुड़े हों। "
     "शोध, चिकित्सा, शल्य-चिकित्सा, जासूसी और पुलिस का काम, बीमा, खनन और गूढ़ विद्याएँ "
     "आपके लिए अनुकूल हैं। "
     "पैसों के मामले में आप चतुर हैं और अपनी आर्थिक स्थिति को निजी रखते हैं।"},
    // Dhanus
    {"You suit careers in teaching, law, religion, publishing, travel, sport and foreign "
     "trade. "
     "You work best when you have freedom and a cause to believe in. "
     "Your luck with money is good, but you may spend generously without counting.",
     "आपके लिए अध्यापन, क़ानून, धर्म, प्रकाशन, पर्यटन, खेल-कूद और विदेश व्यापार के क्षेत्र "
     "उपयुक्त हैं। "
     "जब आपको आज़ादी हो और कोई ऐसा लक्ष्य हो जिस पर आप विश्वास करते हों, तब आप सबसे "
     "अच्छा काम करते हैं। "
     "धन के मामले में आपकी क़िस्मत अच्छी है, पर आप बिना हिसाब लगाए खुलकर ख़र्च कर सकते हैं।"},
    // Makara
    {"You are a steady and responsible worker who rises slowly but surely to a position of "
     "authority. "
     "Administration, government service, engineering, construction, mining and management "
     "reward your patience. "
     "You are thrifty and save for the long term.",
     "आप लगन और ज़िम्मेदारी से काम करते हैं, और धीरे-धीरे पर पक्के तौर पर अधिकार के पद तक "
     "पहुँचते हैं। "
     "प्रशासन, सरकारी सेवा, इंजीनियरिंग, निर्माण, खनन और प्रबन्धन में आपके धैर्य का अच्छा "
     "फल मिलता है। "
     "आप किफ़ायत से चलते हैं और लम्बे समय के लिए बचत करते हैं।"},
    // Kumbha
    {"You do well in science, technology, research, social work, aviation, electronics and "
     "any field that deals with new ideas or large groups of people. "
     "You are honest in money matters and often spend on causes you believe in.",
     "आप विज्ञान, प्रौद्योगिकी, शोध, समाज-सेवा, विमानन, इलेक्ट्रॉनिक्स और ऐसे किसी भी "
     "क्षेत्र में अच्छा करते हैं जिसका नाता नए विचारों या बड़े जन-समूहों से हो। "
     "लेन-देन में आप ईमानदार हैं, और अक्सर उन कामों पर ख़र्च करते हैं जिनमें आपका विश्वास है।"},
    // Meena
    {"You do well in caring and creative work. "
     "Medicine, nursing, charity, religion, music, painting, film and work near the sea can "
     "all fulfill you. "
     "You are generous with money and need to guard against careless spending and lending.",
     "आप सेवा और सृजन से जुड़े कामों में अच्छा करते हैं। "
     "चिकित्सा, नर्सिंग, परोपकार, धर्म, संगीत, चित्रकला, फ़िल्म और समुद्र के आसपास का "
     "काम, ये सब आपको सन्तोष दे सकते हैं। "
     "धन के मामले में आपका हाथ खुला है, इसलिए बेपरवाही से ख़र्च करने और उधार देने से बचें।"},
}};
static_assert(AllWithin(kCareerAndFinance, {126, 282}));

// Love, marriage and family; 140..324 characters in English.
constexpr SignTexts kLoveAndDomesticLife = {{
    // Mesha
    {"You are a romantic to the core by nature. "
     "You wouldn't mind taking risks in life as far as relationships are concerned. "
     "You fulfill your obligations toward home and family though you may be a dominating "
     "figure.",
     "आप दिल से पूरी तरह रोमानी हैं। "
     "रिश्तों के मामले में आप जोखिम उठाने से नहीं हिचकते। "
     "घर-परिवार के प्रति आप अपने दायित्व पूरे करते हैं, भले ही घर में आपका दबदबा रहता हो।"},
    // Vrishabha
    {"You are affectionate, sensual and deeply faithful once you have chosen a partner. "
     "You court slowly but love steadily. "
     "A settled home with good food and comfort matters a great deal to you. "
     "Guard against possessiveness, as your partner also needs room to breathe.",
     "आप स्नेही और रसिक हैं, और एक बार साथी चुन लेने के बाद पूरी निष्ठा से उसका साथ "
     "निभाते हैं। "
     "प्रेम में आप धीरे-धीरे आगे बढ़ते हैं, पर आपका प्यार टिकाऊ होता है। "
     "अच्छे भोजन और सुख-सुविधा से भरा एक जमा-जमाया घर आपके लिए बहुत मायने रखता है। "
     "अपने साथी पर अधिकार जताने से बचें, क्योंकि उसे भी खुलकर साँस लेने की जगह चाहिए।"},
    // Mithuna
    {"You want a partner who is also a friend and who can keep up with your conversation. "
     "Lively talk attracts you more than grand gestures, and you may take a while to settle "
     "down. "
     "At home you bring laughter and fresh plans, though you need to stay attentive to the "
     "everyday needs of your family.",
     "आपको ऐसा जीवनसाथी चाहिए जो दोस्त भी हो और बातचीत में आपका साथ दे सके। "
     "बड़े-बड़े दिखावों से ज़्यादा आपको जीवन्त बातचीत लुभाती है, और घर बसाने में आपको कुछ "
     "समय लग सकता है। "
     "घर में आप हँसी और नई-नई योजनाएँ लाते हैं, पर परिवार की रोज़मर्रा की ज़रूरतों पर भी "
     "ध्यान देते रहें।"},
    // Kataka
    {"You love deeply and look for emotional security above everything else. "
     "You are a devoted partner and a warm, nurturing parent. "
     "Your home is your refuge, and you keep it welcoming for all who enter. "
     "You may cling to a relationship too tightly when you feel unsure of it.",
     "आप गहराई से प्रेम करते हैं और सबसे बढ़कर भावनात्मक सुरक्षा चाहते हैं। "
     "आप समर्पित जीवनसाथी हैं और स्नेह से पालने-पोसने वाले अभिभावक। "
     "घर आपका आश्रय है, और आप उसे हर आने वाले के लिए खुला और आत्मीय रखते हैं। "
     "जब किसी रिश्ते को लेकर मन में असुरक्षा हो, तो आप उसे ज़रूरत से ज़्यादा कसकर थामे रह "
     "सकते हैं।"},
    // Simha
    {"You are a passionate and loyal lover who likes to court in style. "
     "You want a partner you can be proud of and who openly admires you. "
     "At home you are a protective and generous head of the family, although you expect to "
     "have the final word.",
     "आप जोशीले और वफ़ादार प्रेमी हैं, और प्रेम भी शान से जताना पसन्द करते हैं। "
     "आपको ऐसा साथी चाहिए जिस पर आप गर्व कर सकें और जो खुलकर आपकी तारीफ़ करे। "
     "घर में आप परिवार के रक्षक और उदार मुखिया होते हैं, हालाँकि अन्तिम फ़ैसला आप अपना ही "
     "चाहते हैं।"},
    // Kanya
    {"You are shy and cautious in love and show your care through small, thoughtful deeds "
     "rather than big words. "
     "You want a partner who is sincere and sensible. "
     "Once committed you are faithful and helpful, but try not to criticize those you love.",
     "आप प्रेम में शर्मीले और सावधान रहते हैं, और अपनी परवाह बड़े-बड़े शब्दों के बजाय "
     "छोटे-छोटे, सोचे-समझे कामों से जताते हैं। "
     "आपको सच्चा और समझदार साथी चाहिए। "
     "एक बार रिश्ता जुड़ जाए तो आप निष्ठावान और मददगार रहते हैं, पर अपने प्रियजनों में "
     "कमियाँ निकालने से बचें।"},
    // Thula
    {"You are a romantic who feels incomplete without a partner. "
     "You are attentive, gentle and eager to please the one you love. "
     "Marriage is very important to you, and you try to keep your home peaceful and "
     "beautiful. "
     "Do not hide your true wishes just to avoid a quarrel.",
     "आप रोमानी स्वभाव के हैं और साथी के बिना ख़ुद को अधूरा महसूस करते हैं। "
     "आप अपने प्रिय का ध्यान रखते हैं, कोमल हैं और उसे ख़ुश करने को आतुर रहते हैं। "
     "विवाह आपके लिए बहुत महत्त्वपूर्ण है, और आप अपने घर को शान्त और सुन्दर बनाए रखने की "
     "कोशिश करते हैं। "
     "सिर्फ़ झगड़े से बचने के लिए अपनी सच्ची इच्छाएँ न छिपाएँ।"},
    // Vrischika
    {"You love with your whole heart and expect complete loyalty in return. "
     "Passion runs deep in you, and you do not enter a relationship lightly. "
     "You are a protective partner and parent. "
     "Let go of jealousy and suspicion, and your home life will be rich and secure.",
     "आप पूरे दिल से प्रेम करते हैं और बदले में पूरी वफ़ादारी की अपेक्षा रखते हैं। "
     "आपके भीतर गहरा जुनून है, और आप किसी रिश्ते में हल्के ढंग से क़दम नहीं रखते। "
     "जीवनसाथी और अभिभावक के रूप में आप अपनों के रक्षक हैं। "
     "ईर्ष्या और शक को छोड़ दें, तो आपका पारिवारिक जीवन भरा-पूरा और सुरक्षित रहेगा।"},
    // Dhanus
    {"You are a fun loving and open hearted partner who needs freedom within a relationship. "
     "You look for someone who shares your love of adventure and ideas. "
     "At home you are cheerful and generous, but you may be away often, so keep your promises "
     "to your family.",
     "आप मौज-मस्ती के शौक़ीन और खुले दिल के साथी हैं, जिन्हें रिश्ते के भीतर भी आज़ादी "
     "चाहिए। "
     "आप ऐसे साथी की तलाश में रहते हैं जिसे आपकी तरह रोमांच और नए विचारों से लगाव हो। "
     "घर में आप प्रसन्नचित्त और उदार रहते हैं, पर हो सकता है अक्सर घर से दूर रहें, इसलिए "
     "परिवार से किए वादे ज़रूर निभाएँ।"},
    // Makara
    {"You are cautious in love and may marry late or choose a partner with great care. "
     "You show affection through loyalty and by providing for your family rather than through "
     "words. "
     "You take your duties at home seriously and want a stable, respectable household.",
     "आप प्रेम के मामले में फूँक-फूँककर क़दम रखते हैं, और हो सकता है देर से विवाह करें या साथी "
     "बहुत सोच-समझकर चुनें। "
     "आप अपना स्नेह शब्दों से नहीं, बल्कि वफ़ादारी से और परिवार की ज़रूरतें पूरी करके जताते "
     "हैं। "
     "घर के प्रति अपने कर्तव्यों को आप गम्भीरता से लेते हैं और एक स्थिर, प्रतिष्ठित गृहस्थी "
     "चाहते हैं।"},
    // Kumbha
    {"You need a partner who is also your closest friend and who respects your independence. "
     "Friendship is the base of every lasting bond for you. "
     "You are a loyal and considerate partner, though you may seem detached when you need "
     "time to yourself.",
     "आपको ऐसा साथी चाहिए जो आपका सबसे क़रीबी दोस्त भी हो और आपकी स्वतन्त्रता का "
     "सम्मान करे। "
     "आपके लिए हर टिकाऊ रिश्ते की नींव दोस्ती ही है। "
     "आप वफ़ादार और दूसरों का ख़याल रखने वाले साथी हैं, हालाँकि जब आपको अपने लिए समय "
     "चाहिए होता है तब आप कुछ उदासीन-से लग सकते हैं।"},
    // Meena
    {"You are a tender and romantic partner who gives your whole heart. "
     "You long for a soulmate and may idealize the one you love. "
     "You are devoted to your family and create a peaceful, caring home, but choose a partner "
     "who will protect your gentle nature.",
     "आप कोमल और रोमानी साथी हैं, जो अपना पूरा दिल दे देते हैं। "
     "आपको ऐसे जीवनसाथी की चाह रहती है जिससे आत्मा का रिश्ता जुड़ सके, और आप अपने प्रिय "
     "को आदर्श मान बैठते हैं। "
     "आप परिवार के प्रति समर्पित हैं और घर में शान्ति और अपनापन बनाए रखते हैं, पर ऐसा "
     "साथी चुनें जो आपके नाज़ुक मन को सँभालकर रखे।"},
}};
static_assert(AllWithin(kLoveAndDomesticLife, {140, 324}));

// Health weaknesses; 81..166 characters in English.
constexpr SignTexts kHealth = {{
    // Mesha (the three blanks after "issues." belong to the text)
    {"You may be prone to blood circulation problems, head related illnesses and BP issues.   "
     "Your eyes also may create problems.",
     "आपको रक्तसंचार की गड़बड़ी, सिर से जुड़ी बीमारियों और रक्तचाप की शिकायत हो सकती "
     "है। "
     "आपकी आँखें भी तकलीफ़ दे सकती हैं।"},
    // Vrishabha
    {"Your throat, neck and tonsils are sensitive areas. "
     "You may also gain weight easily if you indulge your love of rich food, so regular "
     "exercise helps you.",
     "आपके गले, गर्दन और टॉन्सिल को ख़ास देखभाल चाहिए। "
     "गरिष्ठ भोजन के शौक़ में ज़्यादा खा लें तो वज़न भी जल्दी बढ़ सकता है, इसलिए नियमित "
     "व्यायाम आपके लिए फ़ायदेमन्द है।"},
    // Mithuna
    {"Your shoulders, arms, hands and lungs need care. "
     "Nervous strain, sleeplessness and breathing troubles can affect you when you overwork "
     "your busy mind.",
     "आपके कन्धों, बाँहों, हाथों और फेफड़ों को देखभाल की ज़रूरत है। "
     "जब आप अपने व्यस्त दिमाग़ से हद से ज़्यादा काम लेते हैं, तो मानसिक थकान, अनिद्रा और "
     "साँस की तकलीफ़ घेर सकती है।"},
    // Kataka
    {"Your chest and stomach are tender spots for you. "
     "Worry goes straight to your digestion, and you may be prone to colds and to water "
     "retention.",
     "आपकी छाती और पेट आपके नाज़ुक अंग हैं। "
     "चिन्ता का असर सीधे आपके पाचन पर पड़ता है, और आपको सर्दी-ज़ुकाम तथा शरीर में पानी "
     "रुकने की शिकायत हो सकती है।"},
    // Simha
    {"Your heart, spine and upper stomach need care. "
     "You may suffer from high fever, heart strain or back pain if you push yourself too hard.",
     "आपके हृदय, रीढ़ और पेट के ऊपरी हिस्से को देखभाल चाहिए। "
     "अगर आप ख़ुद पर ज़रूरत से ज़्यादा ज़ोर डालें तो तेज़ बुख़ार, दिल पर दबाव या पीठ दर्द की "
     "शिकायत हो सकती है।"},
    // Kanya
    {"Your intestines and digestion are delicate. "
     "Anxiety and irregular meals can upset your stomach, so a simple diet and a calm routine "
     "suit you best.",
     "आपकी आँतें और पाचन-तन्त्र नाज़ुक हैं। "
     "चिन्ता और बेवक़्त खाना आपका पेट बिगाड़ सकते हैं, इसलिए सादा भोजन और शान्त दिनचर्या "
     "आपके लिए सबसे अच्छी है।"},
    // Thula
    {"Your kidneys, lower back and lower abdomen ask for gentle care. "
     "Drink plenty of water and keep your life in balance to spare them strain.",
     "आपके गुर्दों, कमर के निचले हिस्से और पेड़ू का ख़ास ख़याल रखना ज़रूरी है। "
     "भरपूर पानी पिएँ और जीवन में सन्तुलन रखें, ताकि इन पर ज़ोर न पड़े।"},
    // Vrischika
    {"Your reproductive and urinary organs need attention. "
     "You may be prone to infections and piles, and bottled up emotions can also affect your "
     "health.",
     "आपके प्रजनन और मूत्र से जुड़े अंगों पर ध्यान देने की ज़रूरत है। "
     "आपको संक्रमण और बवासीर की शिकायत हो सकती है, और मन में दबी भावनाएँ भी आपकी "
     "सेहत पर असर डाल सकती हैं।"},
    // Dhanus
    {"Your hips, thighs and liver are the places to watch. "
     "You may suffer from sciatica or sports injuries, and too much rich food can tax your "
     "liver.",
     "आपके कूल्हों, जाँघों और जिगर पर नज़र रखनी चाहिए। "
     "आपको साइटिका या खेल-कूद में लगी चोटों की तकलीफ़ हो सकती है, और ज़्यादा गरिष्ठ "
     "भोजन आपके जिगर पर बोझ डाल सकता है।"},
    // Makara
    {"Your knees, joints, bones and teeth need care. "
     "You may suffer from stiffness, arthritis or skin trouble, and worry can weigh on your "
     "health.",
     "आपके घुटनों, जोड़ों, हड्डियों और दाँतों को देखभाल चाहिए। "
     "आपको अकड़न, गठिया या त्वचा की तकलीफ़ हो सकती है, और चिन्ता भी आपकी सेहत पर "
     "भारी पड़ सकती है।"},
    // Kumbha
    {"Your calves, ankles and blood circulation need attention. "
     "You may be prone to cramps, varicose veins and nervous tension.",
     "आपकी पिण्डलियों, टखनों और रक्तसंचार पर ध्यान देने की ज़रूरत है। "
     "आपको मांसपेशियों में ऐंठन, पैरों की नसें फूलने और मानसिक तनाव की शिकायत हो सकती है।"},
    // Meena
    {"Your feet are the sensitive part, and you may suffer from swelling, sores or poor "
     "circulation in them. "
     "Take care with your sleep and your immune system.",
     "आपके पैर आपका नाज़ुक हिस्सा हैं, और उनमें सूजन, छाले या ख़ून का दौरा कमज़ोर होने की "
     "तकलीफ़ हो सकती है। "
     "अपनी नींद और रोग-प्रतिरोधक क्षमता का ध्यान रखें।"},
}};
static_assert(AllWithin(kHealth, {81, 166}));

}  // namespace nyra::signs_detail
