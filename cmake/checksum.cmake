# Writes FILE.sha256 beside FILE: its SHA-256 in hexadecimal and a line end, which the window
# compares with the file before it lets Qt read it.
# Usage: cmake -DFILE=path -P checksum.cmake
file(SHA256 "${FILE}" hash)
file(WRITE "${FILE}.sha256" "${hash}\n")
