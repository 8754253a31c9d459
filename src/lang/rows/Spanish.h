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
    {AlreadyRunningMessage, "Snapwright ya se está ejecutando: su icono está en el área de notificación."},

    // -- Editor --
    {EditorSaveChangesQuestion, "¿Desea guardar los cambios en este archivo?"},
    {EditorQuitCaption, "Salir del programa"},
    {EditorDiscardQuestion, "¿Seguro que desea descartar este archivo?"},
    {EditorNewFileCaption, "Nuevo archivo"},
    {EditorOpenFileCaption, "Abrir archivo"},

    // -- Editor: marks --

    // -- Region overlay --

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
