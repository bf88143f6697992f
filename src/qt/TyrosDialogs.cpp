#include "qt/TyrosDialogs.h"

#include <QMessageBox>
#include <initializer_list>
#include <utility>

#include "qt/QtText.h"

namespace kalivo {

namespace {

using Field = std::pair<const char*, std::string>;

void ShowFields(QWidget* parent, const QString& caption, std::initializer_list<Field> fields) {
    QString text;
    for (const auto& [label, value] : fields) {
        text += QString::fromLatin1(label) + QStringLiteral(":\t") + QtText::ToQt(value) + QLatin1Char('\n');
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::string VoiceLine(const std::string& presence, const VoicePartView& voice) {
    return presence + " " + voice.name + " " + voice.onOff;
}

}  // namespace

std::optional<EditBankResult> TyrosDialogs::EditBank(QWidget*, const EditBankRequest&) { return std::nullopt; }

std::optional<std::string> TyrosDialogs::EditIcon(QWidget*, const std::string&, const std::string&) {
    return std::nullopt;
}

std::optional<std::string> TyrosDialogs::SelectIcon(QWidget*, const SelectIconRequest&) { return std::nullopt; }

std::optional<std::vector<bool>> TyrosDialogs::CopyRegistrationSettings(QWidget*, const CopySettingsRequest&) {
    return std::nullopt;
}

void TyrosDialogs::ViewBank(QWidget* parent, const ViewBankRequest& request) {
    ShowFields(parent, QStringLiteral("View Bank"),
               {{"Sequence", request.sequence},
                {"Sequence end", std::to_string(request.sequenceEnd)},
                {"Bank icon", request.bankIconCode}});
}

void TyrosDialogs::ViewTyrosRegistration(QWidget* parent, const TyrosRegistrationView& view) {
    ShowFields(parent, QStringLiteral("View Registration"),
               {{"Bank", view.bankName},
                {"Part", view.part > 0 ? std::to_string(view.part) : std::string()},
                {"Name", view.name},
                {"Style", view.style + " " + view.styleName},
                {"Right1", VoiceLine(view.voicePresence[0], view.voices[0])},
                {"Right2", VoiceLine(view.voicePresence[1], view.voices[1])},
                {"Right3", VoiceLine(view.voicePresence[2], view.voices[2])},
                {"Left", VoiceLine(view.voicePresence[3], view.voices[3])},
                {"Multipad", view.multiPad + " " + view.multiPadName},
                {"Tempo", view.tempo + " " + view.tempoValue},
                {"Tune Trans", view.tuneTrans},
                {"Scale", view.scale},
                {"Pedal", view.pedal},
                {"Harmony", view.harmony + " " + view.harmonyType + " " + view.harmonyOnOff},
                {"Song", view.song + " " + view.songName},
                {"Mic", view.mic},
                {"Line Out", view.lineOut},
                {"Icon", view.iconCode}});
}

}  // namespace kalivo
