#pragma once
#include "lang/LanguageRow.h"

// Portuguese, language 6.
namespace snapwright::language_rows {

inline constexpr LanguageRow kPortuguese = Row("Português", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "&Cancelar"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Acerca do Snapwright™"},
    {AboutCopyright, "Copyright © 2002 os autores do Snapwright. Todos os direitos reservados."},
    {AboutDisclaimer, "Este programa está protegido pela legislação alemã e internacional de direitos de autor."},
    {UpdateButton, "&Atualizar ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Enviar captura de ecrã para ..."},
    {AskApplicationFrame, "Escolha uma aplicação"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Enviar captura de ecrã para {program}"},
    {NotRunningQuestion, "{program} não está em execução. Iniciá-lo agora?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Opções"},
    {PrintFrame, "Imprimir"},
    {DefaultPrinterOption, "imprimir na impressora predefinida"},
    {ChoosePrinterOption, "mostrar a seleção de impressora"},
    {SaveFrame, "Guardar"},
    {SaveToProgramFolderOption, "guardar sempre na pasta de instalação com o nome de ficheiro predefinido"},
    {AskForFileOption, "perguntar sempre a pasta de destino e o nome do ficheiro"},
    {SendFrame, "Enviar para aplicação"},
    {SendToOfficeOption, "enviar captura de ecrã para"},
    {AskAtSendOption, "perguntar o programa de destino"},
    {PrintFormatFrame, "Formato de impressão"},
    {HeaderFooterFrame, "Data/hora e rodapé"},
    {PrintTimestampBox, "imprimir a data/hora"},
    {PrintUserNameBox, "Nome de utilizador"},
    {PrintComputerNameBox, "Nome do computador"},
    {PrintFooterBox, "imprimir publicidade no rodapé"},
    {LanguageFrame, "Idioma"},
    {SelectLanguageLabel, "escolher idioma"},
    {DefaultsButton, "&Predefinições"},
    {SaveButton, "&Guardar"},
    {KeysButton, "&Teclas…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Guardar captura de ecrã como ..."},
    {FileFormatFrame, "escolher formato de ficheiro"},
    {ThumbnailBox, "criar miniatura"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informações"},
    {OptionsMenuItem, "Opções"},
    {CloseMenuItem, "Fechar menu"},
    {ExitMenuItem, "Sair"},
    {ScreenMenuItem, "Ecrã"},
    {WindowMenuItem, "Janela em primeiro plano"},
    {RegionMenuItem, "Região"},
    {EditorMenuItem, "Editor"},

    // -- Start window --
    {AlreadyRunningMessage, "O Snapwright já está em execução: o seu ícone está na área de notificação."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Guardar as alterações a este ficheiro?"},
    {EditorQuitCaption, "Sair do programa"},
    {EditorDiscardQuestion, "Pretende mesmo descartar este ficheiro?"},
    {EditorNewFileCaption, "Novo ficheiro"},
    {EditorOpenFileCaption, "Abrir ficheiro"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Imprimir o ecrã"},
    {PrintWindowAction, "Imprimir a janela em primeiro plano"},
    {SaveScreenAction, "Guardar o ecrã"},
    {SaveWindowAction, "Guardar a janela em primeiro plano"},
    {SendScreenAction, "Enviar o ecrã"},
    {SendWindowAction, "Enviar a janela em primeiro plano"},
    {RegionAction, "Traçar uma região para o editor"},
    {KeysCaption, "Teclas"},
    {KeysIntroLabel, "Clique num campo e prima as teclas. As teclas que escrevem ou movem num texto precisam de Ctrl ou Alt. Desmarque uma caixa para desativar a sua ação."},
    {KeyDefaultsButton, "&Predefinidas"},
    {KeyTakenMessage, "{key} já está a ser utilizada por outro programa."},
    {KeysTakenMessage, "Estas teclas já estão a ser utilizadas por outros programas: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "A captura de ecrã do Windows ocupa a tecla Print Screen (Definições › Acessibilidade › Teclado › «Utilizar a tecla Print Screen para abrir a captura de ecrã»)."},
    {RunsWithoutKeysMessage, "O Snapwright funciona na mesma, e o menu do seu ícone na área de notificação também tira capturas de ecrã."},
    {WhereToChooseKeysMessage, "Outras teclas escolhem-se nesse menu, em {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Desativar agora para este utilizador a captura de ecrã do Windows na tecla Print Screen?"},
    {ChooseAnotherKeyMessage, "Escolha outra tecla ou desative a ação."},
    {SharedKeyMessage, "{key} está escolhida duas vezes: para «{first}» e para «{second}». Escolha outra tecla para uma delas."},
    {WindowsCaptureNotSwitchedOff, "Não foi possível desativar a captura de ecrã do Windows na tecla Print Screen. Desative-a em Definições › Acessibilidade › Teclado."},

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Janela com deslocamento"},
    {ScrollingUnreadableMessage, "O Snapwright não conseguiu fazer a captura: não há nenhuma janela em primeiro plano, ou não foi possível lê-la."},
    {ScrollingNoteHeading, "A deslocar… Esc para"},
    {ScrollingNoteCount, "{pixels} píxeis capturados"},
    {ScrollingDoesNotScrollMessage, "A janela não se desloca: a imagem mostra-a tal como está."},
    {ScrollingHeightLimitMessage, "Foi atingido o limite de altura: a imagem termina nos {pixels} píxeis."},
    {ScrollingWindowLostMessage, "A janela foi fechada ou movida enquanto era deslocada: a imagem contém o que foi capturado até então."},

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "O Snapwright não conseguiu abrir\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "O ficheiro não é uma imagem num formato que o Snapwright leia (BMP, JPEG, PNG, MNG, TIFF), ou não pode ser lido."},
    {DamagedPictureReason, "Não foi possível ler a imagem do ficheiro; o ficheiro pode estar danificado."},
    {PictureWithoutSizeReason, "O ficheiro não indica o tamanho da sua imagem; o ficheiro pode estar danificado."},
    {PictureTooLargeReason, "A imagem tem {size} píxeis. O Snapwright abre imagens com até {limit} píxeis por lado."},
    {PictureNeedsTooMuchMemoryReason, "A imagem tem {size} píxeis e precisa de cerca de {megabytes} MB de memória para ser aberta, mais do que o Snapwright consegue obter agora."},
    {NoMemoryForPictureReason, "Não há memória suficiente para mostrar uma imagem deste tamanho."},
    {UnsupportedPictureReason, "O Snapwright não consegue mostrar este tipo de imagem (por exemplo, as suas cores não estão guardadas como números inteiros)."},

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
