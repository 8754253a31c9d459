#include "lang/ApplyLanguage.h"

#include <string>
#include <utility>
#include <vector>

#include "apps/AskApplicationControls.h"
#include "apps/StartApplication.h"
#include "apps/StartApplicationControls.h"
#include "lang/LanguageTable.h"
#include "save/SaveAsControls.h"
#include "settings/OptionsControls.h"
#include "ui/AboutControls.h"

namespace snapwright {

namespace {

using Caption = std::pair<ControlId, std::string>;

// The first control of every window is its caption label, which is laid out for its design font
// size; it takes the language's face but keeps that size. The face goes on before the text so
// that the control measures the new text in the new font.
void Apply(IForm& form, int language, const std::vector<Caption>& captions) {
    const LanguageTable& lang = Languages();
    const std::string face = lang.FontName(language);
    const int size = lang.FontSize(language);
    bool captionLabel = true;
    for (const auto& [control, text] : captions) {
        form.SetFontName(control, face);
        if (!captionLabel) {
            form.SetFontSize(control, size);
        }
        form.SetText(control, text);
        captionLabel = false;
    }
}

std::vector<Caption> AboutCaptions(const LanguageTable& lang, int i) {
    using enum AboutControl;
    return {{Id(CaptionLabel), lang.AboutCaption(i)},
            {Id(CopyrightLabel), lang.AboutCopyright(i)},
            {Id(DisclaimerLabel), lang.AboutDisclaimer(i)},
            {Id(OkButton), lang.OkButton(i)},
            {Id(UpdateButton), lang.UpdateButton(i)}};
}

std::vector<Caption> AskApplicationCaptions(const LanguageTable& lang, int i) {
    using enum AskApplicationControl;
    return {{Id(CaptionLabel), lang.AskApplicationCaption(i)},
            {Id(ChoiceFrame), lang.AskApplicationFrame(i)},
            {Id(CancelButton), lang.CancelButton(i)},
            {Id(OkButton), lang.OkButton(i)}};
}

// The three office choices share one text: the icon beside each names the application.
std::vector<Caption> OptionsCaptions(const LanguageTable& lang, int i) {
    using enum OptionsControl;
    return {{Id(CaptionLabel), lang.OptionsCaption(i)},
            {Id(PrintFrame), lang.PrintFrame(i)},
            {Id(DefaultPrinter), lang.DefaultPrinterOption(i)},
            {Id(ChoosePrinter), lang.ChoosePrinterOption(i)},
            {Id(SaveFrame), lang.SaveFrame(i)},
            {Id(SaveToProgramFolder), lang.SaveToProgramFolderOption(i)},
            {Id(AskForFile), lang.AskForFileOption(i)},
            {Id(SendFrame), lang.SendFrame(i)},
            {Id(SendToWordProcessor), lang.SendToOfficeOption(i)},
            {Id(SendToSpreadsheet), lang.SendToOfficeOption(i)},
            {Id(SendToPresentation), lang.SendToOfficeOption(i)},
            {Id(AskAtSend), lang.AskAtSendOption(i)},
            {Id(LanguageFrame), lang.LanguageFrame(i)},
            {Id(LanguageLabel), lang.SelectLanguageLabel(i)},
            {Id(CancelButton), lang.CancelButton(i)},
            {Id(DefaultsButton), lang.DefaultsButton(i)},
            {Id(SaveButton), lang.SaveButton(i)}};
}

std::vector<Caption> SaveAsCaptions(const LanguageTable& lang, int i) {
    using enum SaveAsControl;
    return {{Id(CaptionLabel), lang.SaveAsCaption(i)},
            {Id(FormatFrame), lang.FileFormatFrame(i)},
            {Id(CancelButton), lang.CancelButton(i)},
            {Id(OkButton), lang.OkButton(i)}};
}

std::vector<Caption> StartApplicationCaptions(const LanguageTable& lang, int i) {
    using enum StartApplicationControl;
    const std::string& name = ApplicationToStart();
    return {{Id(CaptionLabel), lang.NotRunningCaption(i) + " " + name},
            {Id(Question), name + " " + lang.NotRunningQuestion(i)},
            {Id(CancelButton), lang.CancelButton(i)},
            {Id(OkButton), lang.OkButton(i)}};
}

}  // namespace

void ApplyLanguage(int windowId, int language, IForm& form) {
    const LanguageTable& lang = Languages();
    switch (windowId) {
    case kAboutWindow:
        Apply(form, language, AboutCaptions(lang, language));
        break;
    case kAskApplicationWindow:
        Apply(form, language, AskApplicationCaptions(lang, language));
        break;
    case kOptionsWindow:
        Apply(form, language, OptionsCaptions(lang, language));
        break;
    case kSaveAsWindow:
        Apply(form, language, SaveAsCaptions(lang, language));
        break;
    case kStartApplicationWindow:
        Apply(form, language, StartApplicationCaptions(lang, language));
        break;
    default:
        break;  // no window of that id takes a language
    }
}

}  // namespace snapwright
