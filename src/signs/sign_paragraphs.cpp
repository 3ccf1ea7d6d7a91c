// The paragraphs of the sign descriptions. Mesha's are the program's
// long-standing texts and must stay exactly as they are, blanks included;
// the other signs' were written for this program in the same manner: plain
// second-person sentences on one line, each table within a fixed length
// range (checked below, at compile time).
#include "signs/sign_paragraphs.h"

#include <cstddef>

namespace nyra::signs_detail {
namespace {

// A missing entry would be an empty string_view, so "within range" also
// catches a sign left out of a table.
constexpr bool AllWithin(const SignTexts& texts, std::size_t minChars, std::size_t maxChars) {
    for (std::string_view text : texts) {
        if (text.size() < minChars || text.size() > maxChars) return false;
    }
    return true;
}

} // namespace

// Physical appearance; 103..221 characters.
constexpr SignTexts kLooks = {
    // Mesha
    "You may be slim and of medium complexion. "
    "You have a long neck and sharp features. "
    "You may have a mole or birthmark on your forehead. "
    "You have round eyes under thick and bushy eyebrows.",
    // Vrishabha
    "You are likely to be short and sturdy, with a thick neck and broad shoulders. "
    "Your face is pleasant and full, with large soft eyes, a wide forehead and a calm, "
    "steady gaze.",
    // Mithuna
    "You are of medium height with a lean, upright frame and long arms and fingers. "
    "Your eyes are bright and restless, your face is expressive, and you often look younger "
    "than your age.",
    // Kataka
    "You are of medium build with a round face, a fair or pale complexion and a broad chest. "
    "Your eyes are soft and watchful, and your features show every change of your mood.",
    // Simha
    "You are tall and well built, with broad shoulders and a slim waist. "
    "You carry yourself with dignity, and your thick hair, strong jaw and confident eyes "
    "give you a commanding presence.",
    // Kanya
    "You are tall and slender, with a neat and well proportioned figure. "
    "Your face is delicate and intelligent, and you tend to look younger than your years. "
    "You are always tidy in your dress.",
    // Thula
    "You are tall and graceful, with a well balanced figure and pleasing features. "
    "You have a charming smile, a clear complexion and a natural elegance in the way you "
    "move and dress.",
    // Vrischika
    "You are tall and strongly built, with a firm jaw and thick eyebrows. "
    "Your eyes are deep and piercing, and your intense gaze can make people feel that you "
    "see right through them.",
    // Dhanus
    "You are of medium height with strong thighs and a lively, athletic build. "
    "You have an open and cheerful face, a high forehead and bright eyes that always seem "
    "ready to laugh.",
    // Makara
    "You are of medium height with a lean, bony frame and prominent knees and joints. "
    "Your face is serious and thoughtful, and you tend to look older in youth and younger as "
    "you age.",
    // Kumbha
    "You are short and strongly made, with firm calves and a well formed body. "
    "You have a friendly, open face, clear eyes and an unusual look that makes you stand out "
    "in a crowd.",
    // Meena
    "You are short with a soft, rounded figure and small hands and feet. "
    "Your eyes are large, dreamy and kind, and your gentle face shows a tender and "
    "sympathetic nature.",
};
static_assert(AllWithin(kLooks, 103, 221));

// Character; 515..883 characters.
constexpr SignTexts kNature = {
    // Mesha
    "You are very independent and dynamic. "
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
    // Vrishabha
    "You are patient, steady and reliable, and people lean on you because you do not waver "
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
    // Mithuna
    "You are quick-witted, curious and full of ideas, and your mind seldom rests. "
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
    // Kataka
    "You are sensitive, caring and protective, and you feel the moods of the people around "
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
    // Simha
    "You are generous, proud and warm-hearted, and you light up a room when you walk into "
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
    // Kanya
    "You are modest, practical and very observant, and little escapes your notice. "
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
    // Thula
    "You are charming, polite and fair-minded, and you have a natural gift for making others "
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
    // Vrischika
    "You are intense, determined and deeply emotional, though you show only a little of what "
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
    // Dhanus
    "You are optimistic, frank and freedom loving, and you meet life with great enthusiasm. "
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
    // Makara
    "You are serious, disciplined and ambitious, and you climb toward your goals one careful "
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
    // Kumbha
    "You are independent, original and humane, and you think for yourself rather than follow "
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
    // Meena
    "You are gentle, compassionate and deeply intuitive, and you feel the sorrows of others "
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
};
static_assert(AllWithin(kNature, 515, 883));

// Career and money habits; 126..282 characters.
constexpr SignTexts kCareerAndFinance = {
    // Mesha
    "You are ambitious by nature. "
    "You can make a good businessman. "
    "You love adventurous and risky ventures. "
    "Army, engineering and computer related professions are suitable for you.",
    // Vrishabha
    "You are a patient and careful worker who builds wealth slowly and keeps it. "
    "Banking, farming, property, fine arts, music, catering and luxury goods suit you well. "
    "You save steadily and rarely put money into ventures you have not tested.",
    // Mithuna
    "You do well in any work that uses your tongue or your pen. "
    "Writing, journalism, teaching, sales, media, travel and trading suit you. "
    "You may hold two jobs or earn from two sources at once. "
    "Your spending can be as quick as your earning, so keep some savings aside.",
    // Kataka
    "You are suited to work where you can care for others or look after resources. "
    "Nursing, hospitality, catering, teaching, social work, property and trade in dairy or "
    "liquids can bring you success. "
    "You are careful with money and like to save.",
    // Simha
    "You are a natural leader and work best when you are in charge. "
    "Government service, management, politics, the theater and any post of authority suit "
    "you. "
    "You earn well but also spend freely to live in style.",
    // Kanya
    "You excel in work that needs precision and patience. "
    "Accounting, medicine, nursing, research, editing and teaching are fields where your eye "
    "for detail shines. "
    "You budget carefully, avoid waste and build your savings through steady effort rather "
    "than risk.",
    // Thula
    "You work well in partnership and in jobs that need tact and taste. "
    "Law, diplomacy, design, fashion, the arts, counseling and public relations suit you. "
    "You like to spend on beautiful things, so planning your budget helps.",
    // Vrischika
    "You do well in work that involves investigation or hidden things. "
    "Research, medicine, surgery, detective and police work, insurance, mining and the "
    "occult sciences suit you. "
    "You are shrewd with money and keep your finances private.",
    // Dhanus
    "You suit careers in teaching, law, religion, publishing, travel, sport and foreign "
    "trade. "
    "You work best when you have freedom and a cause to believe in. "
    "Your luck with money is good, but you may spend generously without counting.",
    // Makara
    "You are a steady and responsible worker who rises slowly but surely to a position of "
    "authority. "
    "Administration, government service, engineering, construction, mining and management "
    "reward your patience. "
    "You are thrifty and save for the long term.",
    // Kumbha
    "You do well in science, technology, research, social work, aviation, electronics and "
    "any field that deals with new ideas or large groups of people. "
    "You are honest in money matters and often spend on causes you believe in.",
    // Meena
    "You do well in caring and creative work. "
    "Medicine, nursing, charity, religion, music, painting, film and work near the sea can "
    "all fulfill you. "
    "You are generous with money and need to guard against careless spending and lending.",
};
static_assert(AllWithin(kCareerAndFinance, 126, 282));

// Love, marriage and family; 140..324 characters.
constexpr SignTexts kLoveAndDomesticLife = {
    // Mesha
    "You are a romantic to the core by nature. "
    "You wouldn't mind taking risks in life as far as relationships are concerned. "
    "You fulfill your obligations toward home and family though you may be a dominating "
    "figure.",
    // Vrishabha
    "You are affectionate, sensual and deeply faithful once you have chosen a partner. "
    "You court slowly but love steadily. "
    "A settled home with good food and comfort matters a great deal to you. "
    "Guard against possessiveness, as your partner also needs room to breathe.",
    // Mithuna
    "You want a partner who is also a friend and who can keep up with your conversation. "
    "Lively talk attracts you more than grand gestures, and you may take a while to settle "
    "down. "
    "At home you bring laughter and fresh plans, though you need to stay attentive to the "
    "everyday needs of your family.",
    // Kataka
    "You love deeply and look for emotional security above everything else. "
    "You are a devoted partner and a warm, nurturing parent. "
    "Your home is your refuge, and you keep it welcoming for all who enter. "
    "You may cling to a relationship too tightly when you feel unsure of it.",
    // Simha
    "You are a passionate and loyal lover who likes to court in style. "
    "You want a partner you can be proud of and who openly admires you. "
    "At home you are a protective and generous head of the family, although you expect to "
    "have the final word.",
    // Kanya
    "You are shy and cautious in love and show your care through small, thoughtful deeds "
    "rather than big words. "
    "You want a partner who is sincere and sensible. "
    "Once committed you are faithful and helpful, but try not to criticize those you love.",
    // Thula
    "You are a romantic who feels incomplete without a partner. "
    "You are attentive, gentle and eager to please the one you love. "
    "Marriage is very important to you, and you try to keep your home peaceful and "
    "beautiful. "
    "Do not hide your true wishes just to avoid a quarrel.",
    // Vrischika
    "You love with your whole heart and expect complete loyalty in return. "
    "Passion runs deep in you, and you do not enter a relationship lightly. "
    "You are a protective partner and parent. "
    "Let go of jealousy and suspicion, and your home life will be rich and secure.",
    // Dhanus
    "You are a fun loving and open hearted partner who needs freedom within a relationship. "
    "You look for someone who shares your love of adventure and ideas. "
    "At home you are cheerful and generous, but you may be away often, so keep your promises "
    "to your family.",
    // Makara
    "You are cautious in love and may marry late or choose a partner with great care. "
    "You show affection through loyalty and by providing for your family rather than through "
    "words. "
    "You take your duties at home seriously and want a stable, respectable household.",
    // Kumbha
    "You need a partner who is also your closest friend and who respects your independence. "
    "Friendship is the base of every lasting bond for you. "
    "You are a loyal and considerate partner, though you may seem detached when you need "
    "time to yourself.",
    // Meena
    "You are a tender and romantic partner who gives your whole heart. "
    "You long for a soulmate and may idealize the one you love. "
    "You are devoted to your family and create a peaceful, caring home, but choose a partner "
    "who will protect your gentle nature.",
};
static_assert(AllWithin(kLoveAndDomesticLife, 140, 324));

// Health weaknesses; 81..166 characters.
constexpr SignTexts kHealth = {
    // Mesha (the three blanks after "issues." belong to the text)
    "You may be prone to blood circulation problems, head related illnesses and BP issues.   "
    "Your eyes also may create problems.",
    // Vrishabha
    "Your throat, neck and tonsils are sensitive areas. "
    "You may also gain weight easily if you indulge your love of rich food, so regular "
    "exercise helps you.",
    // Mithuna
    "Your shoulders, arms, hands and lungs need care. "
    "Nervous strain, sleeplessness and breathing troubles can affect you when you overwork "
    "your busy mind.",
    // Kataka
    "Your chest and stomach are tender spots for you. "
    "Worry goes straight to your digestion, and you may be prone to colds and to water "
    "retention.",
    // Simha
    "Your heart, spine and upper stomach need care. "
    "You may suffer from high fever, heart strain or back pain if you push yourself too hard.",
    // Kanya
    "Your intestines and digestion are delicate. "
    "Anxiety and irregular meals can upset your stomach, so a simple diet and a calm routine "
    "suit you best.",
    // Thula
    "Your kidneys, lower back and lower abdomen ask for gentle care. "
    "Drink plenty of water and keep your life in balance to spare them strain.",
    // Vrischika
    "Your reproductive and urinary organs need attention. "
    "You may be prone to infections and piles, and bottled up emotions can also affect your "
    "health.",
    // Dhanus
    "Your hips, thighs and liver are the places to watch. "
    "You may suffer from sciatica or sports injuries, and too much rich food can tax your "
    "liver.",
    // Makara
    "Your knees, joints, bones and teeth need care. "
    "You may suffer from stiffness, arthritis or skin trouble, and worry can weigh on your "
    "health.",
    // Kumbha
    "Your calves, ankles and blood circulation need attention. "
    "You may be prone to cramps, varicose veins and nervous tension.",
    // Meena
    "Your feet are the sensitive part, and you may suffer from swelling, sores or poor "
    "circulation in them. "
    "Take care with your sleep and your immune system.",
};
static_assert(AllWithin(kHealth, 81, 166));

} // namespace nyra::signs_detail
