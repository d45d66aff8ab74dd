# cmake -DICON=<svg> -DOUTPUT=<svg> -P maskable_icon.cmake
# Writes the program's icon as a maskable one: its case (the rounded square filled with the
# gradient "case") grown to the whole square, and the rest shrunk to the middle, so that a
# launcher's circle or squircle cuts off nothing of it.
file(READ ${ICON} icon)
string(REGEX MATCH "viewBox=\"[^\"]*\"" view_box "${icon}")
string(REGEX REPLACE "<\\?xml[^>]*>" "" icon "${icon}")
string(REGEX REPLACE "<rect [^>]*fill=\"url\\(#case\\)\"[^>]*>" "" icon "${icon}")
string(REGEX REPLACE "<svg [^>]*>" "<svg x=\"40\" y=\"40\" width=\"176\" height=\"176\" ${view_box}>" icon "${icon}")
if(NOT view_box OR NOT icon MATCHES "id=\"case\"")
    message(FATAL_ERROR "${ICON} has no viewBox or no gradient \"case\" to fill the maskable icon with")
endif()
file(WRITE ${OUTPUT} "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
                     "<rect width=\"256\" height=\"256\" fill=\"url(#case)\"/>\n${icon}</svg>\n")
