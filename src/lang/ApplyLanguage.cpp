#include "lang/ApplyLanguage.h"

#include <string>
#include <utility>
#include <vector>

#include "apps/AskApplicationControls.h"
#include "apps/StartApplication.h"
#include "apps/StartApplicationControls.h"
#include "lang/UILang.h"
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
    const clsUILang& lang = UILang();
    const std::string face = lang.langFont(language);
    const int size = lang.langFontSize(language);
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

std::vector<Caption> AboutCaptions(const clsUILang& lang, int i) {
    using enum AboutControl;
    return {{Id(lblCaption), lang.AboutDlgC(i)},
            {Id(lblCopyright), lang.AboutCopyright(i)},
            {Id(lblDisclaimer), lang.AboutDisclaimer(i)},
            {Id(cmdOK), lang.OKBtn(i)},
            {Id(cmdUpdate), lang.UpdtBtn(i)}};
}

std::vector<Caption> AskApplicationCaptions(const clsUILang& lang, int i) {
    using enum AskApplicationControl;
    return {{Id(CaptionLabel), lang.AskAppDlgC(i)},
            {Id(ChoiceFrame), lang.AskAppFrameC(i)},
            {Id(CancelButton), lang.CancelBtn(i)},
            {Id(OkButton), lang.OKBtn(i)}};
}

// The three office choices share one text: the icon beside each names the application.
std::vector<Caption> OptionsCaptions(const clsUILang& lang, int i) {
    using enum OptionsControl;
    return {{Id(lblCaption), lang.OptDlgC(i)},
            {Id(frmPrint), lang.optFramePrintC(i)},
            {Id(optDfltPrt), lang.optPrtDef(i)},
            {Id(optPrtSel), lang.optPrtSel(i)},
            {Id(frmSave), lang.optFrameSaveC(i)},
            {Id(optInstDir), lang.optSaveDef(i)},
            {Id(OptAskDestDir), lang.optSaveAsk(i)},
            {Id(frmApp), lang.optFrameSendC(i)},
            {Id(optSendWord), lang.optOffice(i)},
            {Id(optXL), lang.optOffice(i)},
            {Id(optPpt), lang.optOffice(i)},
            {Id(optAskRuntime), lang.optSendAsk(i)},
            {Id(frmLang), lang.FrameLanguageC(i)},
            {Id(lblLanguage), lang.lblSelectLang(i)},
            {Id(cmdCancel), lang.CancelBtn(i)},
            {Id(cmdRestore), lang.DefaultBtn(i)},
            {Id(cmdOK), lang.SaveBtn(i)}};
}

std::vector<Caption> SaveAsCaptions(const clsUILang& lang, int i) {
    using enum SaveAsControl;
    return {{Id(lblCaption), lang.SaveAsDlgC(i)},
            {Id(Frame1), lang.FrameFileFormat(i)},
            {Id(cmdCancel), lang.CancelBtn(i)},
            {Id(cmdOK), lang.OKBtn(i)}};
}

std::vector<Caption> StartApplicationCaptions(const clsUILang& lang, int i) {
    using enum StartApplicationControl;
    const std::string& name = ApplicationToStart();
    return {{Id(CaptionLabel), lang.msgNotRunC(i) + " " + name},
            {Id(Question), name + " " + lang.msgNotRun(i)},
            {Id(CancelButton), lang.CancelBtn(i)},
            {Id(OkButton), lang.OKBtn(i)}};
}

}  // namespace

void ApplyLanguage(int windowId, int language, IForm& form) {
    const clsUILang& lang = UILang();
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
