# okulon_glob_sources(<out var> <folder> ...): the .cpp/.h files of the given folders (relative to the
# current source dir). Each area of a library lives in its own folder, so adding a class needs no edit
# of a shared CMakeLists.txt (re-run cmake after adding files; CONFIGURE_DEPENDS does it for ninja).
function(okulon_glob_sources out)
    set(result)
    foreach(folder ${ARGN})
        file(GLOB found CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
        list(APPEND result ${found})
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()
