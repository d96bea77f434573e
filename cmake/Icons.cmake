# The icon is drawn once, as ui/icons/zorvane.svg; rsvg-convert renders it at
# build time, for the window and the desktop (ui/) and for Windows' .ico
# (cmake/Windows.cmake).
find_program(ZORVANE_RSVG_CONVERT rsvg-convert REQUIRED)
set(ZORVANE_ICON_SVG ${PROJECT_SOURCE_DIR}/ui/icons/zorvane.svg)

# zorvane_render_icons(<variable> <folder> <size>...): renders the icon at each
# size as <folder>/zorvane-<size>.png and sets <variable> to those pictures.
function(zorvane_render_icons variable folder)
  set(pictures)
  foreach(size IN LISTS ARGN)
    set(png ${folder}/zorvane-${size}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${ZORVANE_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${ZORVANE_ICON_SVG}
      DEPENDS ${ZORVANE_ICON_SVG}
      VERBATIM)
    list(APPEND pictures ${png})
  endforeach()
  set(${variable} ${pictures} PARENT_SCOPE)
endfunction()
