# Fails unless the module's export table holds exactly the Susie entry points, undecorated.
# Run as: cmake -DOBJDUMP=... -DMODULE=... -P CheckExports.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../../cmake/ExportNames.cmake)
kv_check_export_names(${OBJDUMP} ${MODULE} GetPicture GetPictureInfo GetPluginInfo GetPreview
                      IsSupported)
