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

    // -- Scrolling capture --

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
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright no pudo guardar la captura de pantalla como\n{file}\n\n{reason}\n\nLa captura de pantalla sigue en el Portapapeles."},
    {FolderFailedMessage, "Snapwright no pudo crear la carpeta para la captura de pantalla:\n{folder}\n\n{reason}\n\nLa captura de pantalla sigue en el Portapapeles."},
    {SaveRefusedMessage, "Snapwright no puede guardar la captura de pantalla como\n{file}\n\n{reason}\n\nElija otro nombre."},
    {ReplaceFileQuestion, "{file}\nya existe.\n\n¿Desea reemplazarlo?"},
    {ReplaceFilesQuestion, "Estos archivos ya existen:\n{files}\n\n¿Desea reemplazarlos?"},
    {SaveDialogTitle, "Guardar captura de pantalla"},
    {NoScreenshotToSaveMessage, "No hay ninguna captura de pantalla que guardar."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "La ruta indica una carpeta, pero ningún archivo."},
    {ForbiddenCharacterReason, "El nombre contiene un carácter que Windows no permite: «{character}»."},
    {NameTooLongReason, "El nombre es demasiado largo: tiene {length} caracteres, y Windows permite {limit}."},
    {PathTooLongReason, "La ruta es demasiado larga: tiene {length} caracteres, y aquí Windows permite {limit}."},
    {DeviceNameReason, "Windows reserva el nombre «{name}» para un dispositivo."},
    {DriveMissingReason, "La unidad {drive} no existe."},
    {NetworkFolderMissingReason, "No se puede acceder a la carpeta de red {folder}."},
    {FolderOfThatNameReason, "Ya existe una carpeta con este nombre."},
    {FileInTheWayReason, "{folder} es un archivo, no una carpeta."},
    {FolderMissingReason, "La carpeta {folder} no existe."},
    {FolderTakesNoFilesReason, "Windows no permite crear archivos ni carpetas nuevos en {folder}."},
    {BadNameReason, "Windows no acepta este nombre para un archivo."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "No se pudo convertir la captura de pantalla en una imagen de la biblioteca de imágenes."},
    {NotEncodedReason, "La biblioteca de imágenes no pudo codificar la imagen."},
    {NoThumbnailReason, "La biblioteca de imágenes no pudo reducir la imagen a una miniatura."},
    {EmptyFileReason, "El archivo está vacío después de escribirlo."},
    {NoMemoryToConvertReason, "No hay memoria suficiente para convertir la captura de pantalla."},
    {PictureUnreadableReason, "No se pudieron leer los píxeles de la captura de pantalla."},
    {LibraryWriteFailedReason, "La biblioteca de imágenes no pudo escribir el archivo."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nEjecute snapwright.exe --help para ver las opciones."},
    {UnknownOptionError, "Opción desconocida «{option}»."},
    {UnexpectedArgumentError, "Argumento inesperado «{argument}»."},
    {OptionTwiceError, "«{option}» se indica dos veces."},
    {OptionNeedsValueError, "«{option}» necesita un valor."},
    {OptionTakesNoValueError, "«{option}» no admite ningún valor."},
    {DelayValueError, "--delay admite segundos de 0 a 3600, como 2 o 0.5, no «{value}»."},
    {ToValueError, "--to admite clipboard, print, save, send o editor, no «{value}»."},
    {FileNeedsPathError, "--file necesita una ruta."},
    {FormatValueError, "--format admite bmp, jpg, png, tif o mng, no «{value}»."},
    {ThumbnailValueError, "--thumbnail admite un porcentaje de 10 a 50, no «{value}»."},
    {OneCaptureError, "Indique una sola captura, no {first} y {second}."},
    {NoCaptureError, "Indique una captura: --screen, --window o --region."},
    {NeedsFileError, "{option} necesita --file."},
    {FileWithSaveError, "--file no puede ir con --to save: el cuadro de diálogo Guardar pide el archivo por sí mismo."},
    {FormatMismatchError, "--format {format} no coincide con el archivo «{file}»."},
    {UnknownFormatError, "El formato de «{file}» es desconocido: indique --format o una extensión (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "El archivo ya existe; --overwrite lo reemplaza."},
    {ThumbnailExistsError, "La miniatura ya existe; --overwrite la reemplaza."},
    {CommandFailedMessage, "Snapwright no pudo ejecutar el comando: {reason}"},
    {ScreenUnreadableMessage, "Snapwright no pudo tomar la captura de pantalla: no se pudo leer la pantalla."},
    {NoWindowInFrontMessage, "Snapwright no pudo tomar la captura de pantalla: no hay ninguna ventana en primer plano, o no se pudo leer."},
    {NoRegionHereMessage, "Snapwright no puede capturar una región aquí."},
    {RegionInUseMessage, "Ya se está trazando una región, y Snapwright traza una cada vez. Termínela o cancélela (Esc) y vuelva a dar el comando."},
    {ClipboardHeldMessage, "Snapwright no pudo poner la captura de pantalla en el Portapapeles: otro programa lo está usando."},
    {NotHandedOnMessage, "Snapwright no pudo entregar la captura de pantalla."},
    {PageWaitsMessage, "La página espera su segunda captura de pantalla."},
    {PageOfTwoAloneMessage, "La página lleva dos capturas de pantalla, y sin Snapwright en el área de notificación no llegará una segunda: no se imprime nada. Inicie primero Snapwright o elija en sus opciones una página de una sola captura."},
    {TrayProgramSilentMessage, "Snapwright se está ejecutando en el área de notificación, pero no responde."},
    {TrayProgramEndedMessage, "Snapwright terminó antes de completar el comando."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "La captura de pantalla del editor de Snapwright tiene cambios sin guardar."},
});

}  // namespace snapwright::language_rows
