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

    // -- Scrolling capture --

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
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "O Snapwright não conseguiu guardar a captura de ecrã como\n{file}\n\n{reason}\n\nA captura de ecrã continua na Área de Transferência."},
    {FolderFailedMessage, "O Snapwright não conseguiu criar a pasta para a captura de ecrã:\n{folder}\n\n{reason}\n\nA captura de ecrã continua na Área de Transferência."},
    {SaveRefusedMessage, "O Snapwright não pode guardar a captura de ecrã como\n{file}\n\n{reason}\n\nEscolha outro nome."},
    {ReplaceFileQuestion, "{file}\njá existe.\n\nPretende substituí-lo?"},
    {ReplaceFilesQuestion, "Estes ficheiros já existem:\n{files}\n\nPretende substituí-los?"},
    {SaveDialogTitle, "Guardar captura de ecrã"},
    {NoScreenshotToSaveMessage, "Não há nenhuma captura de ecrã para guardar."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "O caminho indica uma pasta, mas nenhum ficheiro."},
    {ForbiddenCharacterReason, "O nome contém um carácter que o Windows não permite: «{character}»."},
    {NameTooLongReason, "O nome é demasiado longo: tem {length} caracteres, e o Windows permite {limit}."},
    {PathTooLongReason, "O caminho é demasiado longo: tem {length} caracteres, e aqui o Windows permite {limit}."},
    {DeviceNameReason, "O Windows reserva o nome «{name}» para um dispositivo."},
    {DriveMissingReason, "A unidade {drive} não existe."},
    {NetworkFolderMissingReason, "Não é possível aceder à pasta de rede {folder}."},
    {FolderOfThatNameReason, "Já existe uma pasta com este nome."},
    {FileInTheWayReason, "{folder} é um ficheiro, não uma pasta."},
    {FolderMissingReason, "A pasta {folder} não existe."},
    {FolderTakesNoFilesReason, "O Windows não permite criar ficheiros ou pastas novos em {folder}."},
    {BadNameReason, "O Windows não aceita este nome para um ficheiro."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Não foi possível converter a captura de ecrã numa imagem da biblioteca de imagens."},
    {NotEncodedReason, "A biblioteca de imagens não conseguiu codificar a imagem."},
    {NoThumbnailReason, "A biblioteca de imagens não conseguiu reduzir a imagem a uma miniatura."},
    {EmptyFileReason, "O ficheiro está vazio depois de escrito."},
    {NoMemoryToConvertReason, "Não há memória suficiente para converter a captura de ecrã."},
    {PictureUnreadableReason, "Não foi possível ler os píxeis da captura de ecrã."},
    {LibraryWriteFailedReason, "A biblioteca de imagens não conseguiu escrever o ficheiro."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nExecute snapwright.exe --help para ver as opções."},
    {UnknownOptionError, "Opção desconhecida «{option}»."},
    {UnexpectedArgumentError, "Argumento inesperado «{argument}»."},
    {OptionTwiceError, "«{option}» é indicada duas vezes."},
    {OptionNeedsValueError, "«{option}» precisa de um valor."},
    {OptionTakesNoValueError, "«{option}» não aceita valores."},
    {DelayValueError, "--delay aceita segundos de 0 a 3600, como 2 ou 0.5, não «{value}»."},
    {ToValueError, "--to aceita clipboard, print, save, send ou editor, não «{value}»."},
    {FileNeedsPathError, "--file precisa de um caminho."},
    {FormatValueError, "--format aceita bmp, jpg, png, tif ou mng, não «{value}»."},
    {ThumbnailValueError, "--thumbnail aceita uma percentagem de 10 a 50, não «{value}»."},
    {OneCaptureError, "Indique uma só captura, não {first} e {second}."},
    {NoCaptureError, "Indique uma captura: --screen, --window ou --region."},
    {NeedsFileError, "{option} precisa de --file."},
    {FileWithSaveError, "--file não pode ir com --to save: a caixa de diálogo Guardar pede o ficheiro por si."},
    {FormatMismatchError, "--format {format} não corresponde ao ficheiro «{file}»."},
    {UnknownFormatError, "O formato de «{file}» é desconhecido: indique --format ou uma extensão (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "O ficheiro já existe; --overwrite substitui-o."},
    {ThumbnailExistsError, "A miniatura já existe; --overwrite substitui-a."},
    {CommandFailedMessage, "O Snapwright não conseguiu executar o comando: {reason}"},
    {ScreenUnreadableMessage, "O Snapwright não conseguiu tirar a captura de ecrã: não foi possível ler o ecrã."},
    {NoWindowInFrontMessage, "O Snapwright não conseguiu tirar a captura de ecrã: não há nenhuma janela em primeiro plano, ou não foi possível lê-la."},
    {NoRegionHereMessage, "O Snapwright não pode capturar uma região aqui."},
    {RegionInUseMessage, "Já está a ser traçada uma região, e o Snapwright traça uma de cada vez. Conclua-a ou cancele-a (Esc) e volte a dar o comando."},
    {ClipboardHeldMessage, "O Snapwright não conseguiu colocar a captura de ecrã na Área de Transferência: outro programa está a utilizá-la."},
    {NotHandedOnMessage, "O Snapwright não conseguiu entregar a captura de ecrã."},
    {PageWaitsMessage, "A página aguarda a sua segunda captura de ecrã."},
    {PageOfTwoAloneMessage, "A página leva duas capturas de ecrã, e sem o Snapwright na área de notificação não virá uma segunda: nada é impresso. Inicie primeiro o Snapwright ou escolha nas opções uma página de uma só captura."},
    {TrayProgramSilentMessage, "O Snapwright está em execução na área de notificação, mas não responde."},
    {TrayProgramEndedMessage, "O Snapwright terminou antes de concluir o comando."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "A captura de ecrã no editor do Snapwright tem alterações não guardadas."},
});

}  // namespace snapwright::language_rows
