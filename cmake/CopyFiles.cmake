# cmake "-DFILES=<a;b>" -DDESTINATION=<folder> -P CopyFiles.cmake
#
# Copies the files that differ into the folder; an empty list is fine (a
# program that links no DLL of ours).
foreach(file IN LISTS FILES)
  get_filename_component(name ${file} NAME)
  file(COPY_FILE ${file} ${DESTINATION}/${name} ONLY_IF_DIFFERENT)
endforeach()
