#include "app/WindowClasses.h"

#include "answer/Frm_exer.h"
#include "answer/Frm_t_main.h"
#include "answer/Frm_test.h"
#include "app/Frm_login.h"
#include "controls/Forms.h"
#include "controls/Navigation.h"
#include "review/Frm_excer_over.h"
#include "review/Frm_record.h"
#include "review/Frm_t_over.h"
#include "study/Frm_jdsf.h"
#include "study/Frm_study.h"

void WindowClasses::connect()
{
    Navigation::setShow([](Window window) {
        switch (window) {
        case Window::Frm_login: Forms<Frm_login>::show(); return;
        case Window::Frm_study: Forms<Frm_study>::show(); return;
        case Window::Frm_jdsf: Forms<Frm_jdsf>::show(); return;
        case Window::Frm_test: Forms<Frm_test>::show(); return;
        case Window::Frm_t_main: Forms<Frm_t_main>::show(); return;
        case Window::Frm_exer: Forms<Frm_exer>::show(); return;
        case Window::Frm_t_over: Forms<Frm_t_over>::show(); return;
        case Window::Frm_excer_over: Forms<Frm_excer_over>::show(); return;
        case Window::Frm_record: Forms<Frm_record>::show(); return;
        }
    });
}
