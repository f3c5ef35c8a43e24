#!/usr/bin/env bash
# A scene seen through an orthographic camera placed at (0, 0, 5) and turned a quarter
# turn about Y shows the same picture as the scene without a camera, moved by hand
# by the inverse turn and move in a Separator. The camera's volume has the viewer's
# height (2) and width, and differs only in depth (-1000 to 1000 against -12 to 12),
# which leaves the picture alone: the view transforms are the same matrices, applied
# in the same order (the user's view is the identity here). Camera scenes still
# follow the mouse.
source "$(dirname "$0")/harnais.bash"

formes='
Separator {
  Translation { translation -3 0.3 5.4 }
  Material { diffuseColor 0.9 0.2 0.2 }
  Cube { width 0.6 height 0.3 depth 0.2 }
}
Separator {
  Translation { translation -6 -0.3 4.6 }
  Material { diffuseColor 0.2 0.5 0.9 }
  Cone { bottomRadius 0.3 height 0.6 }
}'
# The camera looks along -X from (0, 0, 5): the shapes lie in front of it, and
# outside the view of an unturned one.
cat >camera.wrl <<WRL
#VRML V1.0 ascii
OrthographicCamera { position 0 0 5 orientation 0 1 0 1.5708 }
$formes
WRL
cat >main.wrl <<WRL
#VRML V1.0 ascii
Separator {
  Rotation { rotation 0 1 0 -1.5708 }
  Translation { translation 0 0 -5 }
  $formes
}
WRL

ouvre camera.wrl
premiere camera "the camera does not see the shapes"
# Still under the user's view: a Shift + drag turns it, Ctrl + Left resets it.
glisse shift 100 100 2 1 10
stable camera_tournee
differe camera camera_tournee 200 "Shift+drag did not turn the camera's view"
xdotool key ctrl+Left
stable camera_remise
pareil camera camera_remise 0 "Ctrl+Left did not restore the camera's view"
quitte

ouvre main.wrl
premiere main
pareil camera main 0 "the camera's picture differs from the hand-made one"
quitte

# A perspective camera backed off along Z sees the cube at the origin, and pans.
cat >perspective.wrl <<'WRL'
#VRML V1.0 ascii
PerspectiveCamera { position 0 0 5 heightAngle 0.5 }
Separator { Material { diffuseColor 0.3 0.8 0.3 } Cube { width 1 height 1 depth 1 } }
WRL
ouvre perspective.wrl
premiere perspective "the perspective camera sees nothing"
glisse alt 100 100 3 0 10
stable perspective_pan
differe perspective perspective_pan 200 "Alt+drag did not pan the perspective view"
quitte
fin
