// Placeholders for the FreeImage plugins that this build leaves out (their codec
// libraries are not built for Windows). FreeImage numbers its formats by the order in
// which the plugins register, so each left-out plugin still registers an empty entry in
// its slot: FIF_PNG stays 13 and FIF_TIFF stays 18. An entry without load and save
// functions is disabled right after registration (see plugin-registration.patch), so no
// lookup by file name, format name or file contents ever picks it.

#include "FreeImage.h"
#include "Utilities.h"
#include "Plugin.h"

namespace {

// Given so that a caller who enables a placeholder again still finds a valid (empty)
// extension list instead of a null pointer.
const char *DLL_CALLCONV NoExtension() {
	return "";
}

} // namespace

#define FREEIMAGE_PLACEHOLDER(init, name)                                       \
	static const char *DLL_CALLCONV init##Format() {                            \
		return name;                                                            \
	}                                                                           \
	void DLL_CALLCONV init(Plugin *plugin, int /*format_id*/) {                 \
		plugin->format_proc = init##Format;                                     \
		plugin->description_proc = init##Format;                                \
		plugin->extension_proc = NoExtension;                                   \
	}

// In the order of the FREE_IMAGE_FORMAT enumeration; PNM fills six slots itself.
FREEIMAGE_PLACEHOLDER(InitICO, "ICO")
FREEIMAGE_PLACEHOLDER(InitKOALA, "KOALA")
FREEIMAGE_PLACEHOLDER(InitIFF, "IFF")
FREEIMAGE_PLACEHOLDER(InitPNM, "PNM")
FREEIMAGE_PLACEHOLDER(InitPCD, "PCD")
FREEIMAGE_PLACEHOLDER(InitPCX, "PCX")
FREEIMAGE_PLACEHOLDER(InitRAS, "RAS")
FREEIMAGE_PLACEHOLDER(InitTARGA, "TARGA")
FREEIMAGE_PLACEHOLDER(InitWBMP, "WBMP")
FREEIMAGE_PLACEHOLDER(InitPSD, "PSD")
FREEIMAGE_PLACEHOLDER(InitCUT, "CUT")
FREEIMAGE_PLACEHOLDER(InitXBM, "XBM")
FREEIMAGE_PLACEHOLDER(InitXPM, "XPM")
FREEIMAGE_PLACEHOLDER(InitDDS, "DDS")
FREEIMAGE_PLACEHOLDER(InitGIF, "GIF")
FREEIMAGE_PLACEHOLDER(InitHDR, "HDR")
FREEIMAGE_PLACEHOLDER(InitG3, "G3")
FREEIMAGE_PLACEHOLDER(InitSGI, "SGI")
FREEIMAGE_PLACEHOLDER(InitEXR, "EXR")
FREEIMAGE_PLACEHOLDER(InitJ2K, "J2K")
FREEIMAGE_PLACEHOLDER(InitJP2, "JP2")
FREEIMAGE_PLACEHOLDER(InitPFM, "PFM")
FREEIMAGE_PLACEHOLDER(InitPICT, "PICT")
FREEIMAGE_PLACEHOLDER(InitRAW, "RAW")
FREEIMAGE_PLACEHOLDER(InitWEBP, "WebP")
FREEIMAGE_PLACEHOLDER(InitJXR, "JPEG-XR")
