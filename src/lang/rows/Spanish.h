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
    {NotRunningCaption, "Enviar captura de pantalla a"},
    {NotRunningQuestion, "no se está ejecutando. ¿Iniciarlo ahora?"},

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

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Guardar captura de pantalla como ..."},
    {FileFormatFrame, "elegir formato de archivo"},
    {ThumbnailBox, "crear miniatura"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Información"},
    {OptionsMenuItem, "Opciones"},
    {CloseMenuItem, "Cerrar menú"},
    {ExitMenuItem, "Salir"},

    // -- Start window --

    // -- Editor --

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys --

    // -- Scrolling capture --

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
