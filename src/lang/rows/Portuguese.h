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
    {AboutWindowTitle, "Acerca do Snapwright"},
    {AboutVersionLabel, "Versão {version}"},
    {CreditsButton, "Créditos..."},
    {CreditsCaption, "Créditos"},
    {CreditsAuthors, "Snapwright™ pelos autores do Snapwright, 2002-2006"},
    {CreditsLibrary, "Os ficheiros de imagem são lidos e escritos com a biblioteca FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Traduções:\r\nGrego: o tradutor do Snapwright para grego, 2005\r\nCheco: o tradutor do Snapwright para checo, 2005\r\nEspanhol: o tradutor do Snapwright para espanhol, 2006\r\nFrancês: o tradutor do Snapwright para francês, 2006\r\nAlemão e inglês: os autores do Snapwright, 2002-2006\r\nOutros idiomas: os autores do Snapwright, com uma ferramenta de tradução automática"},
    {CreditsThanks, "Muito obrigado a cppreference.com, winehq.org, learn.microsoft.com e à MSDN Library,\r\ne a todos os outros sites de programação."},

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
    {OptionsWindowTitle, "Opções do Snapwright"},
    {SendToEditorOption, "Editor do Snapwright™"},
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
    {StartOptionsHint, "Para configurar o Snapwright™, clique com o botão direito do rato no ícone da barra de tarefas e escolha \"{item}\"."},
    {ShowAtStartupBox, "Mostrar este ecrã ao iniciar"},
    {AlreadyRunningMessage, "O Snapwright já está em execução: o seu ícone está na área de notificação."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Guardar as alterações a este ficheiro?"},
    {EditorQuitCaption, "Sair do programa"},
    {EditorDiscardQuestion, "Pretende mesmo descartar este ficheiro?"},
    {EditorNewFileCaption, "Novo ficheiro"},
    {EditorOpenFileCaption, "Abrir ficheiro"},
    {EditorNewButton, "Novo"},
    {EditorNewTip, "Novo: começar com uma imagem vazia"},
    {EditorRegionButton, "Região"},
    {EditorRegionTip, "Região: capturar uma região do ecrã como nova imagem"},
    {EditorOpenButton, "Abrir"},
    {EditorOpenTip, "Abrir um ficheiro de imagem"},
    {EditorSaveButton, "Guardar"},
    {EditorSaveTip, "Guardar a imagem"},
    {EditorPrintButton, "Imprimir"},
    {EditorPrintTip, "Imprimir a imagem"},
    {EditorCopyButton, "Copiar"},
    {EditorCopyTip, "Copiar a imagem para a Área de Transferência"},
    {EditorSendTip, "Enviar a imagem para o {program}"},
    {EditorUndoButton, "Anular"},
    {EditorUndoTip, "Anular a última alteração"},
    {EditorZoomButton, "Zoom"},
    {EditorZoomTip, "Zoom: arraste sobre uma região ou clique em dois cantos e depois clique onde fica a ampliação"},
    {EditorCropButton, "Recortar"},
    {EditorCropTip, "Recortar: clique onde deve ficar o canto mais próximo da imagem"},
    {EditorFrameButton, "Moldura"},
    {EditorFrameTip, "Moldura: arraste de canto a canto ou clique em dois cantos opostos"},
    {EditorEllipseButton, "Elipse"},
    {EditorEllipseTip, "Elipse: arraste de canto a canto ou clique em dois cantos opostos"},
    {EditorTextButton, "Texto"},
    {EditorTextTip, "Texto: clique ou arraste uma caixa e escreva; Enter insere-o, Shift+Enter começa uma linha, Esc descarta-o"},
    {EditorArrowButton, "Seta"},
    {EditorArrowTip, "Seta: arraste da cauda até à ponta"},
    {EditorHighlightButton, "Marcador"},
    {EditorHighlightTip, "Marcador: arraste sobre o que deve sobressair"},
    {EditorRedactButton, "Ocultar"},
    {EditorRedactTip, "Ocultar: arraste sobre o que ninguém pode ler; mantenha Shift premido ao soltar para o preencher por completo"},
    {EditorStrengthLabel, "Espessura:"},
    {EditorStrengthTip, "Espessura da linha de molduras, elipses e setas; tamanho dos blocos ao ocultar"},
    {EditorTextSizeLabel, "Tamanho:"},
    {EditorTextSizeTip, "Altura do texto"},
    {EditorColourButton, "Cor"},
    {EditorColourTip, "Cor de molduras, elipses, texto, setas e realces"},
    {EditorHelpButton, "Ajuda"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Abrir ficheiro de captura de ecrã"},
    {EditorNothingToHandOnMessage, "Não há nenhuma imagem no editor para entregar."},
    {EditorPageWaitsMessage, "A página contém duas capturas de ecrã: esta imagem é a primeira e a página aguarda a segunda.\r\n\r\nClique novamente em Imprimir ou faça uma captura com a tecla Print Screen, e a página será impressa."},
    {EditorCopyFailedMessage, "O Snapwright não conseguiu colocar a imagem na Área de Transferência."},
    {EditorNoMemoryMessage, "O Snapwright não conseguiu alterar a imagem: o sistema tem pouca memória livre."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Região do Snapwright"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "O Snapwright não conseguiu imprimir a captura de ecrã: não está instalada nenhuma impressora. A última captura continua na Área de Transferência."},
    {PrintPrinterUnusableMessage, "O Snapwright não conseguiu imprimir a captura de ecrã: a impressora \"{printer}\" não pode ser utilizada. Verifique se está instalada e pronta, ou escolha outra impressora. A última captura continua na Área de Transferência."},
    {PrintFailedMessage, "O Snapwright não conseguiu imprimir a captura de ecrã na impressora \"{printer}\". A última captura continua na Área de Transferência."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "O Snapwright não conseguiu enviar a captura de ecrã para o {program}: {reason}\r\n\r\nA captura está na Área de Transferência: pode colá-la no {program} manualmente."},
    {SendClipboardFailedMessage, "O Snapwright não conseguiu colocar a imagem na Área de Transferência, por isso não a pode enviar para o {program}."},
    {AutomationNotInstalledReason, "não está instalado, ou a sua classe de automatização \"{member}\" não está registada"},
    {AutomationUnreachableReason, "não foi possível aceder à instância em execução"},
    {AutomationNotStartedReason, "não foi possível iniciá-lo"},
    {AutomationUnknownMemberReason, "não conhece \"{member}\""},
    {AutomationBusyReason, "não responde (pode estar ocupado, por exemplo com uma caixa de diálogo própria)"},
    {AutomationClosedReason, "foi fechado ou deixou de responder"},
    {AutomationRefusedReason, "recusou \"{member}\" ({reason})"},
    {AutomationNoMemoryReason, "não havia memória suficiente para a chamada"},
    {AutomationNoObjectReason, "não forneceu o seu objeto \"{member}\""},
    {AutomationNotScriptableReason, "a sua classe de automatização \"{member}\" não pode ser controlada por nome"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Não foi possível encontrar o ficheiro de ajuda. O Snapwright espera-o aqui:\n{file}"},
    {StartFailedMessage, "O Snapwright não conseguiu iniciar devido a um erro interno."},

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
