"""Where Debian's font packages put the faces that the builds and checks draw with."""
import pathlib

# fonts-liberation2: Liberation Sans stands in for Arial and MS Sans Serif,
# Liberation Serif draws the caption of the window picture.
LIBERATION = pathlib.Path("/usr/share/fonts/truetype/liberation2")
