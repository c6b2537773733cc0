# Gmsh's C++ API (Debian: libgmsh-dev): the header gmsh.h and libgmsh.
find_path(Gmsh_INCLUDE_DIR gmsh.h)
find_library(Gmsh_LIBRARY gmsh)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Gmsh REQUIRED_VARS Gmsh_LIBRARY Gmsh_INCLUDE_DIR)
if(Gmsh_FOUND AND NOT TARGET Gmsh::Gmsh)
  add_library(Gmsh::Gmsh UNKNOWN IMPORTED)
  set_target_properties(Gmsh::Gmsh PROPERTIES
    IMPORTED_LOCATION "${Gmsh_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${Gmsh_INCLUDE_DIR}")
endif()
