      *> QORVIX generated OLE interface class.
      *> Script Encoder Interface

       class-id. IScriptEncoder data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           IScriptEncoder is class "iscriptencoder"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "Scripting.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

      *> Call the Encoder determined by szExt, passing bstrStreamIn and optional arguments
       method-id. EncodeScriptFile.
       local-storage section.
       linkage section.
       01 szExt                         BSTR.
       01 bstrStreamIn                  BSTR.
       01 cFlags                        LONG.
       01 bstrDefaultLang               BSTR.
       01 MethodVar5                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value szExt          *> [IN]
               by value bstrStreamIn   *> [IN]
               by value cFlags         *> [IN]
               by value bstrDefaultLang    *> [IN]
               by reference MethodVar5 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method EncodeScriptFile.

       end object.
       end class IScriptEncoder.

