#pragma once
#include "lang/LanguageRow.h"

// Spanish, language 5.
namespace snapwright::language_rows {

inline constexpr LanguageRow kSpanish = Row("Español", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "&Cancelar"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Acerca de Snapwright™"},
    {AboutCopyright, "Copyright © 2002 los autores de Snapwright. Todos los derechos reservados."},
    {AboutDisclaimer, "Este programa está protegido por la legislación alemana e internacional sobre derechos de autor."},
    {UpdateButton, "¿&Actualizar?"},
    {AboutWindowTitle, "Acerca de Snapwright"},
    {AboutVersionLabel, "Versión {version}"},
    {CreditsButton, "Créditos..."},
    {CreditsCaption, "Créditos"},
    {CreditsAuthors, "Snapwright™ por los autores de Snapwright, 2002-2006"},
    {CreditsLibrary, "Los archivos de imagen se leen y escriben con la biblioteca FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Traducciones:\r\nGriego: el traductor de Snapwright al griego, 2005\r\nCheco: el traductor de Snapwright al checo, 2005\r\nEspañol: el traductor de Snapwright al español, 2006\r\nFrancés: el traductor de Snapwright al francés, 2006\r\nAlemán e inglés: los autores de Snapwright, 2002-2006\r\nOtros idiomas: los autores de Snapwright, con una herramienta de traducción automática"},
    {CreditsThanks, "Muchas gracias a cppreference.com, winehq.org, learn.microsoft.com y la MSDN Library,\r\ny a todos los demás sitios web de programación."},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Enviar captura de pantalla a ..."},
    {AskApplicationFrame, "Elija una aplicación"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Enviar captura de pantalla a {program}"},
    {NotRunningQuestion, "{program} no se está ejecutando. ¿Iniciarlo ahora?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Opciones"},
    {PrintFrame, "Imprimir"},
    {DefaultPrinterOption, "imprimir en la impresora predeterminada"},
    {ChoosePrinterOption, "mostrar la selección de impresora"},
    {SaveFrame, "Guardar"},
    {SaveToProgramFolderOption, "guardar siempre en la carpeta de instalación con el nombre de archivo predeterminado"},
    {AskForFileOption, "preguntar siempre la carpeta de destino y el nombre de archivo"},
    {SendFrame, "Enviar a una aplicación"},
    {SendToOfficeOption, "enviar captura de pantalla a"},
    {AskAtSendOption, "preguntar el programa de destino"},
    {PrintFormatFrame, "Formato de impresión"},
    {HeaderFooterFrame, "Marca de tiempo y pie de página"},
    {PrintTimestampBox, "imprimir la marca de tiempo"},
    {PrintUserNameBox, "Nombre de usuario"},
    {PrintComputerNameBox, "Nombre del equipo"},
    {PrintFooterBox, "imprimir publicidad en el pie de página"},
    {LanguageFrame, "Idioma"},
    {SelectLanguageLabel, "elegir idioma"},
    {DefaultsButton, "&Valores predeterminados"},
    {SaveButton, "&Guardar"},
    {OptionsWindowTitle, "Opciones de Snapwright"},
    {SendToEditorOption, "Editor de Snapwright™"},
    {KeysButton, "&Teclas…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Guardar captura de pantalla como ..."},
    {FileFormatFrame, "elegir formato de archivo"},
    {ThumbnailBox, "crear miniatura"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Información"},
    {OptionsMenuItem, "Opciones"},
    {CloseMenuItem, "Cerrar menú"},
    {ExitMenuItem, "Salir"},
    {ScreenMenuItem, "Pantalla"},
    {WindowMenuItem, "Ventana en primer plano"},
    {RegionMenuItem, "Región"},
    {EditorMenuItem, "Editor"},

    // -- Start window --
    {StartOptionsHint, "Para configurar Snapwright™, haga clic con el botón derecho en el icono de la barra de tareas y elija \"{item}\"."},
    {ShowAtStartupBox, "Mostrar esta pantalla al iniciar"},
    {AlreadyRunningMessage, "Snapwright ya se está ejecutando: su icono está en el área de notificación."},

    // -- Editor --
    {EditorSaveChangesQuestion, "¿Desea guardar los cambios en este archivo?"},
    {EditorQuitCaption, "Salir del programa"},
    {EditorDiscardQuestion, "¿Seguro que desea descartar este archivo?"},
    {EditorNewFileCaption, "Nuevo archivo"},
    {EditorOpenFileCaption, "Abrir archivo"},
    {EditorNewButton, "Nuevo"},
    {EditorNewTip, "Nuevo: empezar con una imagen vacía"},
    {EditorRegionButton, "Región"},
    {EditorRegionTip, "Región: capturar una región de la pantalla como imagen nueva"},
    {EditorOpenButton, "Abrir"},
    {EditorOpenTip, "Abrir un archivo de imagen"},
    {EditorSaveButton, "Guardar"},
    {EditorSaveTip, "Guardar la imagen"},
    {EditorPrintButton, "Imprimir"},
    {EditorPrintTip, "Imprimir la imagen"},
    {EditorCopyButton, "Copiar"},
    {EditorCopyTip, "Copiar la imagen al Portapapeles"},
    {EditorSendTip, "Enviar la imagen a {program}"},
    {EditorUndoButton, "Deshacer"},
    {EditorUndoTip, "Deshacer el último cambio"},
    {EditorZoomButton, "Zoom"},
    {EditorZoomTip, "Zoom: arrastre sobre una región o haga clic en dos esquinas y luego haga clic donde va la ampliación"},
    {EditorCropButton, "Recortar"},
    {EditorCropTip, "Recortar: haga clic donde debe ir la esquina más cercana de la imagen"},
    {EditorFrameButton, "Marco"},
    {EditorFrameTip, "Marco: arrastre de esquina a esquina o haga clic en dos esquinas opuestas"},
    {EditorEllipseButton, "Elipse"},
    {EditorEllipseTip, "Elipse: arrastre de esquina a esquina o haga clic en dos esquinas opuestas"},
    {EditorTextButton, "Texto"},
    {EditorTextTip, "Texto: haga clic o arrastre un cuadro y escriba; Entrar lo inserta, Mayús+Entrar empieza una línea, Esc lo descarta"},
    {EditorArrowButton, "Flecha"},
    {EditorArrowTip, "Flecha: arrastre desde la cola hasta la punta"},
    {EditorHighlightButton, "Resaltador"},
    {EditorHighlightTip, "Resaltador: arrastre sobre lo que debe destacar"},
    {EditorRedactButton, "Ocultar"},
    {EditorRedactTip, "Ocultar: arrastre sobre lo que nadie debe leer; mantenga Mayús al soltar para rellenarlo por completo"},
    {EditorStrengthLabel, "Grosor:"},
    {EditorStrengthTip, "Grosor de línea de marcos, elipses y flechas; tamaño de bloque al ocultar"},
    {EditorTextSizeLabel, "Tamaño:"},
    {EditorTextSizeTip, "Altura del texto"},
    {EditorColourButton, "Color"},
    {EditorColourTip, "Color de marcos, elipses, texto, flechas y resaltados"},
    {EditorHelpButton, "Ayuda"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Abrir archivo de captura de pantalla"},
    {EditorNothingToHandOnMessage, "No hay ninguna imagen en el editor para entregar."},
    {EditorPageWaitsMessage, "La página contiene dos capturas de pantalla: esta imagen es la primera y la página espera la segunda.\r\n\r\nHaga clic de nuevo en Imprimir o haga una captura con la tecla Impr Pant, y la página se imprimirá."},
    {EditorCopyFailedMessage, "Snapwright no pudo poner la imagen en el Portapapeles."},
    {EditorNoMemoryMessage, "Snapwright no pudo cambiar la imagen: al sistema le queda muy poca memoria."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Región de Snapwright"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright no pudo imprimir la captura de pantalla: no hay ninguna impresora instalada. La última captura sigue en el Portapapeles."},
    {PrintPrinterUnusableMessage, "Snapwright no pudo imprimir la captura de pantalla: no se puede usar la impresora \"{printer}\". Compruebe que esté instalada y preparada, o elija otra impresora. La última captura sigue en el Portapapeles."},
    {PrintFailedMessage, "Snapwright no pudo imprimir la captura de pantalla en la impresora \"{printer}\". La última captura sigue en el Portapapeles."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright no pudo enviar la captura de pantalla a {program}: {reason}\r\n\r\nLa captura está en el Portapapeles: puede pegarla usted mismo en {program}."},
    {SendClipboardFailedMessage, "Snapwright no pudo poner la imagen en el Portapapeles, así que no puede enviarla a {program}."},
    {AutomationNotInstalledReason, "no está instalado, o su clase de automatización \"{member}\" no está registrada"},
    {AutomationUnreachableReason, "no se pudo acceder a su instancia en ejecución"},
    {AutomationNotStartedReason, "no se pudo iniciar"},
    {AutomationUnknownMemberReason, "no conoce \"{member}\""},
    {AutomationBusyReason, "no responde (puede que esté ocupado, por ejemplo con un cuadro de diálogo propio)"},
    {AutomationClosedReason, "se cerró o dejó de responder"},
    {AutomationRefusedReason, "rechazó \"{member}\" ({reason})"},
    {AutomationNoMemoryReason, "no había memoria suficiente para la llamada"},
    {AutomationNoObjectReason, "no proporcionó su objeto \"{member}\""},
    {AutomationNotScriptableReason, "su clase de automatización \"{member}\" no se puede controlar por nombre"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "No se encontró el archivo de ayuda. Snapwright lo espera aquí:\n{file}"},
    {StartFailedMessage, "Snapwright no pudo iniciarse debido a un error interno."},

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Imprimir la pantalla"},
    {PrintWindowAction, "Imprimir la ventana en primer plano"},
    {SaveScreenAction, "Guardar la pantalla"},
    {SaveWindowAction, "Guardar la ventana en primer plano"},
    {SendScreenAction, "Enviar la pantalla"},
    {SendWindowAction, "Enviar la ventana en primer plano"},
    {RegionAction, "Trazar una región para el editor"},
    {KeysCaption, "Teclas"},
    {KeysIntroLabel, "Haga clic en un campo y pulse las teclas. Las teclas que escriben o mueven en un texto necesitan Ctrl o Alt. Desmarque una casilla para desactivar su acción."},
    {KeyDefaultsButton, "&Predeterminadas"},
    {KeyTakenMessage, "{key} ya lo usa otro programa."},
    {KeysTakenMessage, "Otros programas ya usan estas teclas: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "La captura de pantalla de Windows ocupa la tecla Imprimir pantalla (Configuración › Accesibilidad › Teclado › «Usar la tecla Imprimir pantalla para abrir la captura de pantalla»)."},
    {RunsWithoutKeysMessage, "Snapwright funciona igualmente, y el menú de su icono en el área de notificación también toma capturas de pantalla."},
    {WhereToChooseKeysMessage, "Otras teclas se eligen en ese menú, en {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "¿Desactivar ahora para este usuario la captura de pantalla de Windows con la tecla Imprimir pantalla?"},
    {ChooseAnotherKeyMessage, "Elija otra tecla o desactive la acción."},
    {SharedKeyMessage, "{key} está elegida dos veces: para «{first}» y para «{second}». Elija otra tecla para una de ellas."},
    {WindowsCaptureNotSwitchedOff, "No se pudo desactivar la captura de pantalla de Windows con la tecla Imprimir pantalla. Desactívela en Configuración › Accesibilidad › Teclado."},

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Ventana con desplazamiento"},
    {ScrollingUnreadableMessage, "Snapwright no pudo hacer la captura: no hay ninguna ventana en primer plano, o no se pudo leer."},
    {ScrollingNoteHeading, "Desplazando… Esc detiene"},
    {ScrollingNoteCount, "{pixels} píxeles capturados"},
    {ScrollingDoesNotScrollMessage, "La ventana no se desplaza: la imagen la muestra tal como está."},
    {ScrollingHeightLimitMessage, "Se alcanzó la altura máxima: la imagen termina en {pixels} píxeles."},
    {ScrollingWindowLostMessage, "La ventana se cerró o se movió mientras se desplazaba: la imagen contiene lo capturado hasta entonces."},

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright no pudo abrir\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "El archivo no es una imagen en un formato que Snapwright pueda leer (BMP, JPEG, PNG, MNG, TIFF), o no se puede leer."},
    {DamagedPictureReason, "No se pudo leer la imagen del archivo; puede que el archivo esté dañado."},
    {PictureWithoutSizeReason, "El archivo no indica el tamaño de su imagen; puede que el archivo esté dañado."},
    {PictureTooLargeReason, "La imagen mide {size} píxeles. Snapwright abre imágenes de hasta {limit} píxeles por lado."},
    {PictureNeedsTooMuchMemoryReason, "La imagen mide {size} píxeles y necesita unos {megabytes} MB de memoria para abrirse, más de lo que Snapwright puede obtener ahora."},
    {NoMemoryForPictureReason, "No hay memoria suficiente para mostrar una imagen de este tamaño."},
    {UnsupportedPictureReason, "Snapwright no puede mostrar este tipo de imagen (por ejemplo, sus colores no están guardados como números enteros)."},

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
