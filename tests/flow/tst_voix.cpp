// The game's own voice (virdo --voix), without a synthesizer: the words it is given for what
// the windows show, the order in which it says them, and the tune that waits for it.

#include "flowtest.h"
#include "recordingvoice.h"

#include "flow/voicedannouncer.h"
#include "flow/voicedmessageboxes.h"
#include "media/pluginvoice.h"
#include "media/speechqueue.h"
#include "media/spokentext.h"
#include "media/tuneaftervoice.h"

#include <QMessageBox>
#include <QTimer>

using namespace flowtest;

namespace {

// A game whose announcements go through the voice, and whose tune waits for it.
struct SpeakingRig
{
    RecordingSoundPlayer son;
    SequenceGenerateur hasard{{0.0}};
    AnsweringMessageBoxes messages;
    RecordingAnnouncer annonces;
    RecordingVoice voix;
    virdo::VoicedAnnouncer parlant{annonces, voix};
    virdo::TuneAfterVoice musique{son, voix};
    virdo::Jeu jeu{musique, hasard, messages, parlant};
};

} // namespace

class TstVoix : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { DRIVER_NO_WINDOW_LEFT(); }

    // The voice says words: the marks of the screen are dropped or said as a pause.
    void parole_data()
    {
        QTest::addColumn<QStringList>("montres");
        QTest::addColumn<QString>("dit");
        QTest::newRow("total") << QStringList{QStringLiteral("Total provisoire > 12")}
                               << QStringLiteral("Total provisoire : 12.");
        QTest::newRow("objectif") << QStringList{QStringLiteral("Objectif Final > 100")}
                                  << QStringLiteral("Objectif Final : 100.");
        QTest::newRow("arrow at the end") << QStringList{QStringLiteral("Zoé, propose un nombre >")}
                                          << QStringLiteral("Zoé, propose un nombre.");
        QTest::newRow("arrows") << QStringList{QStringLiteral("Clique sur le bouton de droite pour que je joue >>>")}
                                << QStringLiteral("Clique sur le bouton de droite pour que je joue.");
        QTest::newRow("dots") << QStringList{QStringLiteral("calcul mental .... Choisis la case désirée ...")}
                              << QStringLiteral("calcul mental. Choisis la case désirée.");
        QTest::newRow("shouts") << QStringList{QStringLiteral("Désolé, Zoé, tu as perdu !!!")}
                                << QStringLiteral("Désolé, Zoé, tu as perdu !");
        QTest::newRow("sign place") << QStringList{QStringLiteral("Moi, l'ordinateur, j'ai joué: 5"), QStringLiteral(" 100")}
                                    << QStringLiteral("Moi, l'ordinateur, j'ai joué: 5. 100.");
        QTest::newRow("blanks") << QStringList{QStringLiteral("Zoé , c'est à l'ordinateur de jouer ..."),
                                               QStringLiteral("entre 1 et  10.")}
                                << QStringLiteral("Zoé, c'est à l'ordinateur de jouer. entre 1 et 10.");
        QTest::newRow("line break") << QStringList{QStringLiteral("Moi, l'ordinateur, j'ai vaincu \r\nZoé")}
                                    << QStringLiteral("Moi, l'ordinateur, j'ai vaincu Zoé.");
        QTest::newRow("question kept") << QStringList{QStringLiteral("Veux-tu rejouer ?"), QString()}
                                       << QStringLiteral("Veux-tu rejouer ?");
    }
    void parole()
    {
        QFETCH(QStringList, montres);
        QFETCH(QString, dit);
        QCOMPARE(virdo::spokenText(montres), dit);
    }

    // A newer text cuts off the one being said and those waiting; who won is said whole,
    // and what comes after it waits. "+t": given, "+!t": given whole, "end": said to its end.
    void ordre_data()
    {
        QTest::addColumn<QStringList>("evenements");
        QTest::addColumn<QStringList>("voix");
        QTest::newRow("one after the other") << QStringList{"+a", "end", "+b", "end"}
                                             << QStringList{"say a", "quiet", "say b", "quiet"};
        QTest::newRow("cut off") << QStringList{"+a", "+b", "end"} << QStringList{"say a", "cut", "say b", "quiet"};
        QTest::newRow("victory cuts off") << QStringList{"+a", "+!v", "end"}
                                          << QStringList{"say a", "cut", "say v", "quiet"};
        QTest::newRow("victory said whole") << QStringList{"+!v", "+!cri", "+q", "end", "end", "end"}
                                            << QStringList{"say v", "say cri", "say q", "quiet"};
        QTest::newRow("only the newest waits") << QStringList{"+!v", "+a", "+b", "end", "end"}
                                               << QStringList{"say v", "say b", "quiet"};
    }
    void ordre()
    {
        QFETCH(QStringList, evenements);
        QFETCH(QStringList, voix);
        virdo::SpeechQueue file;
        QStringList faits;
        auto suivant = [&] {
            const auto texte = file.next();
            faits << (texte ? QStringLiteral("say ") + *texte : QStringLiteral("quiet"));
        };
        for (const QString &evenement : evenements) {
            if (evenement == QLatin1String("end")) {
                suivant();
                continue;
            }
            const bool entier = evenement.startsWith(QLatin1String("+!"));
            switch (file.add(evenement.mid(entier ? 2 : 1), entier)) {
            case virdo::SpeechQueue::Then::Cut:
                faits << QStringLiteral("cut");
                suivant();
                break;
            case virdo::SpeechQueue::Then::Speak:
                suivant();
                break;
            case virdo::SpeechQueue::Then::Wait:
                break;
            }
        }
        QCOMPARE(faits, voix);
    }

    // Every announcement of a whole game is also given to the voice, in its order, in words;
    // the two that tell who won are to be said whole. The tune waits until they have been.
    void partieDite_data()
    {
        QTest::addColumn<bool>("joueurGagne");
        QTest::newRow("the child wins") << true;
        QTest::newRow("the computer wins") << false;
    }
    void partieDite()
    {
        QFETCH(bool, joueurGagne);
        SpeakingRig rig;
        DRIVER_STEP(driver::playGame(rig.jeu, QStringLiteral("Zoé"), joueurGagne));
        const QList<RecordingAnnouncer::Annonce> &annonces = rig.annonces.annonces;
        QCOMPARE(rig.voix.said.size(), annonces.size());
        for (qsizetype i = 0; i < annonces.size(); ++i) {
            const bool victoire = i >= annonces.size() - 2;
            QCOMPARE(rig.voix.said[i], (victoire ? QStringLiteral("!") : QString()) + virdo::spokenText(annonces[i].textes));
        }
        QVERIFY(!rig.voix.said.join(u' ').contains(u'>'));
        QVERIFY(rig.son.calls.isEmpty());
        rig.voix.spoken();
        QCOMPARE(rig.son.calls, QStringList{QStringLiteral("play:") + (joueurGagne ? "victoire.wav" : "Son2.wav")});
    }

    // FIN before the voice has said who won: the tune never starts.
    void finAvantLaFinDeLaVoix()
    {
        SpeakingRig rig;
        DRIVER_STEP(driver::playGame(rig.jeu, QStringLiteral("Zoé"), false));
        DRIVER_STEP(driver::click(rig.jeu.principale()->control(VirdoControl::FIN)));
        rig.voix.spoken();
        QCOMPARE(rig.son.calls, QStringList{QStringLiteral("stop")});
        QTRY_VERIFY(!rig.jeu.principale());
    }

    // The "Erreur" box's prompt is said as the box opens, and the box still waits for OK.
    void erreurDite()
    {
        RecordingVoice voix;
        virdo::VoicedMessageBoxes messages(voix);
        QTimer::singleShot(0, [] {
            if (QWidget *boite = QApplication::activeModalWidget())
                boite->close();
        });
        messages.show(nullptr, QStringLiteral("Erreur, tu triches ! Respecte les consignes ..."), QStringLiteral("Erreur"));
        QCOMPARE(voix.said, QStringList{QStringLiteral("Erreur, tu triches ! Respecte les consignes.")});
    }

    // Without its plugin the voice is silent, after one line, and nothing waits for it.
    void sansModule()
    {
        virdo::PluginVoice voix(QStringLiteral("/nonexistent/libvirdovoix.so"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^module de la voix introuvable")));
        voix.say(QStringLiteral("Bonjour"), false);
        bool fait = false;
        voix.afterSpeech([&fait] { fait = true; });
        QVERIFY(fait);
        QVERIFY(voix.release());
    }
};

QTEST_MAIN(TstVoix)
#include "tst_voix.moc"
